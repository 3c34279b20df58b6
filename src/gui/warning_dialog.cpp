#include "gui/warning_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/button_row.h"

namespace orvanta::gui {

WarningDialog::WarningDialog(TWarningForm& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(TWarningForm::kFormName);
  setWindowTitle(TWarningForm::kCaption);
  resize(420, 190);

  auto* text = new QPlainTextEdit(QString::fromStdString(model.text()), this);
  text->setObjectName("Memo1");
  text->setReadOnly(true);
  text->setFocusPolicy(Qt::NoFocus);
  QFont font = text->font();
  font.setPointSizeF(font.pointSizeF() * 1.2);
  font.setBold(true);
  text->setFont(font);

  auto* ok = new QPushButton("Tamam", this);
  ok->setObjectName("OkBtn");
  ok->setEnabled(model.ok_enabled());
  auto* cancel = new QPushButton("İptal", this);
  cancel->setObjectName("CancelBtn");
  cancel->setEnabled(model.cancel_enabled());
  connect(ok, &QPushButton::clicked, this, [this] {
    model_.OkBtnClick();
    AfterCommand();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    model_.CancelBtnClick();
    AfterCommand();
  });
  ok->setDefault(true);
  ok->setFocus();

  QHBoxLayout* buttons = ButtonRow({ok, cancel});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(buttons);
}

void WarningDialog::AfterCommand() {
  if (!model_.closed()) return;
  done(model_.result() == ScreenResult::kOk ? QDialog::Accepted : QDialog::Rejected);
}

void WarningDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      model_.KeyEnter();
      break;
    case Qt::Key_Escape:
      model_.KeyEscape();
      break;
    default:
      QDialog::keyPressEvent(event);
      return;
  }
  AfterCommand();
}

// The close box. A message closed this way was still shown; a confirmation counts as "İptal".
void WarningDialog::reject() {
  model_.CancelBtnClick();
  QDialog::reject();
}

}  // namespace orvanta::gui
