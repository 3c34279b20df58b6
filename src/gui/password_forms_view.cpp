#include "gui/password_forms_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/button_row.h"
#include "gui/field_text.h"
#include "gui/input_fields.h"

namespace orvanta::gui {

namespace {

QLineEdit* PasswordField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setEchoMode(QLineEdit::Password);
  field->setMaxLength(kPasswordLength);
  MakeTurkishUpperField(field);
  return field;
}

// "<before> <bold command> <after>", one instruction line of the first start.
QLabel* InstructionLine(const char* before, const char* command, const char* after,
                        QWidget* parent) {
  return new QLabel(QString("%1 <b>%2</b>%3").arg(before, command, after), parent);
}

}  // namespace

EnPassFormView::EnPassFormView(TEnPassForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(360, 180);
  first_use_instructions_ = new QWidget(this);
  auto* instructions = new QVBoxLayout(first_use_instructions_);
  instructions->setContentsMargins(0, 0, 0, 0);
  instructions->addWidget(
      InstructionLine("Programa  girmek için", "Tamam", "a tıklayın", first_use_instructions_));
  instructions->addWidget(
      InstructionLine("Şifre koymak için", "Değiştir", "e tıklayın", first_use_instructions_));
  password_instruction_ = new QLabel(TEnPassForm::kPasswordInstruction, this);

  password_ = PasswordField("Edit1", this);
  connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.Edit1Change(text.toStdString()); });
  });
  connect(password_, &QLineEdit::returnPressed, this,
          [this] { RunCommand([this] { model_.OkBtnClick(); }); });
  no_prompt_ = new QCheckBox(TEnPassForm::kNoPromptCaption, this);
  no_prompt_->setObjectName("CheckBox1");
  connect(no_prompt_, &QCheckBox::clicked, this, [this](bool checked) {
    RunCommand([this, checked] { model_.CheckBox1Click(checked); });
  });
  ok_button_ = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  change_button_ = CommandButton("Değiştir", "ChangeBtn", [this] { model_.ChangeBtnClick(); });

  auto* field = new QFormLayout;
  field->addRow(TEnPassForm::kPasswordLabel, password_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(first_use_instructions_);
  layout->addWidget(password_instruction_);
  layout->addLayout(field);
  layout->addWidget(no_prompt_);
  layout->addStretch();
  layout->addLayout(ButtonRow({ok_button_, change_button_}));
  password_->setFocus();
}

void EnPassFormView::Refresh() {
  first_use_instructions_->setVisible(model_.ShowsFirstUseInstructions());
  password_instruction_->setVisible(!model_.ShowsFirstUseInstructions());
  ShowFieldText(password_, model_.Edit1());
  const bool enabled = model_.CommandsEnabled();
  ok_button_->setEnabled(enabled);
  change_button_->setEnabled(enabled);
  no_prompt_->setEnabled(enabled);
  no_prompt_->setChecked(model_.CheckBox1());
}

EnPassEditFormView::EnPassEditFormView(TEnPassEditForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(340, 150);
  new_password_ = PasswordField("Edit1", this);
  repeat_ = PasswordField("Edit2", this);
  connect(new_password_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.NewPasswordChange(text.toStdString()); });
  });
  connect(repeat_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.RepeatChange(text.toStdString()); });
  });
  ok_button_ = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });

  auto* fields = new QFormLayout;
  fields->addRow(TEnPassEditForm::kNewPasswordLabel, new_password_);
  fields->addRow(TEnPassEditForm::kRepeatLabel, repeat_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch();
  layout->addLayout(ButtonRow({ok_button_, cancel_button}));
}

void EnPassEditFormView::Refresh() {
  ShowFieldText(new_password_, model_.NewPassword());
  ShowFieldText(repeat_, model_.Repeat());
  ok_button_->setEnabled(model_.OkBtnEnabled());
}

}  // namespace orvanta::gui
