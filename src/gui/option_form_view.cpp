#include "gui/option_form_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/button_row.h"
#include "gui/field_text.h"
#include "gui/input_fields.h"

namespace orvanta::gui {

namespace {

bool IsNumberField(TOptionForm::Field field) {
  return field == TOptionForm::edtKurumKodu || field == TOptionForm::edtBirHaftadakiGunSayisi ||
         field == TOptionForm::edtBirGundekiSaatSayisi ||
         field == TOptionForm::edtKisakodKarakterSayisi;
}

bool IsSchoolNameField(TOptionForm::Field field) {
  return field == TOptionForm::edtOkuladi1 || field == TOptionForm::edtOkuladi2 ||
         field == TOptionForm::edtOkuladi3;
}

}  // namespace

OptionFormView::OptionFormView(TOptionForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(520, 500);
  ok_button_ = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });
  QHBoxLayout* buttons = ButtonRow({ok_button_, cancel_button});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFields());
  layout->addWidget(BuildChoices());
  layout->addStretch();
  layout->addLayout(buttons);
}

QWidget* OptionFormView::BuildFields() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  form->setContentsMargins(0, 0, 0, 0);
  for (const TOptionForm::FieldInfo& info : TOptionForm::Fields()) {
    auto* field = new QLineEdit(box);
    field->setObjectName(QString::fromUtf8(info.component.data(), info.component.size()));
    if (info.max_length > 0) field->setMaxLength(info.max_length);
    if (IsNumberField(info.field)) MakeDigitField(field);
    if (IsSchoolNameField(info.field)) MakeTurkishUpperField(field);
    const TOptionForm::Field id = info.field;
    connect(field, &QLineEdit::textEdited, this, [this, id](const QString& text) {
      RunCommand([this, id, &text] { model_.SetText(id, text.toStdString()); });
    });
    fields_[id] = field;
    form->addRow(QString::fromUtf8(info.label.data(), info.label.size()), field);
  }
  return box;
}

QWidget* OptionFormView::BuildChoices() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* assignment = new QGroupBox("Öğretmenlere Ders Atanması", box);
  assignment->setObjectName("rgOgretmenlereDersAtamasi");
  auto* assignment_layout = new QHBoxLayout(assignment);
  auto* group = new QButtonGroup(assignment);
  for (size_t i = 0; i < assignment_modes_.size(); ++i) {
    auto* mode = new QRadioButton(TOptionForm::kAssignmentModes[i], assignment);
    group->addButton(mode, static_cast<int>(i));
    assignment_layout->addWidget(mode);
    assignment_modes_[i] = mode;
  }
  connect(group, &QButtonGroup::idClicked, this, [this](int index) {
    RunCommand([this, index] { model_.rgOgretmenlereDersAtamasiClick(index); });
  });

  connection_program_ = new QComboBox(box);
  connection_program_->setObjectName("cmpBaglanti");
  for (const char* program : TOptionForm::kConnectionPrograms) {
    connection_program_->addItem(program);
  }
  connect(connection_program_, &QComboBox::activated, this,
          [this](int index) { RunCommand([this, index] { model_.cmpBaglantiChange(index); }); });
  auto* connection = new QFormLayout;
  connection->addRow("Bağlantı Programı", connection_program_);

  no_password_prompt_ = new QCheckBox("Girişte Şifre Sorma", box);
  no_password_prompt_->setObjectName("chSifreSorma");
  connect(no_password_prompt_, &QCheckBox::clicked, this, [this](bool checked) {
    RunCommand([this, checked] { model_.chSifreSormaClick(checked); });
  });

  layout->addWidget(assignment);
  layout->addLayout(connection);
  layout->addWidget(no_password_prompt_);
  return box;
}

void OptionFormView::Activate() {
  model_.FormActivate();
  fields_[TOptionForm::edtKurumKodu]->setFocus();
}

void OptionFormView::Refresh() {
  for (const TOptionForm::FieldInfo& info : TOptionForm::Fields()) {
    ShowFieldText(fields_[info.field], model_.Text(info.field));
  }
  const int mode = model_.rgOgretmenlereDersAtamasi();
  for (size_t i = 0; i < assignment_modes_.size(); ++i) {
    assignment_modes_[i]->setChecked(static_cast<int>(i) == mode);
  }
  connection_program_->setCurrentIndex(model_.cmpBaglanti());
  no_password_prompt_->setChecked(model_.chSifreSorma());
  ok_button_->setEnabled(model_.OkBtnEnabled());
}

}  // namespace orvanta::gui
