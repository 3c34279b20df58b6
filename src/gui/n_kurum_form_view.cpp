#include "gui/n_kurum_form_view.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/button_row.h"
#include "gui/field_text.h"

namespace orvanta::gui {

NKurumFormView::NKurumFormView(TNKurumForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(300, 110);
  code_ = new QLineEdit(this);
  code_->setObjectName("kr_ed");
  code_->setMaxLength(12);  // what the global record keeps
  connect(code_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.kr_edChange(text.toStdString()); });
  });
  auto* ok_button = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });

  auto* fields = new QFormLayout;
  fields->addRow(TNKurumForm::kCodeLabel, code_);
  QHBoxLayout* buttons = ButtonRow({ok_button, cancel_button});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch();
  layout->addLayout(buttons);
}

void NKurumFormView::Refresh() { ShowFieldText(code_, model_.kr_ed()); }

}  // namespace orvanta::gui
