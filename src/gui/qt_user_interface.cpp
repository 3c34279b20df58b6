#include "gui/qt_user_interface.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screen_events.h"
#include "app/warning_form.h"
#include "gui/input_fields.h"
#include "gui/modal_runner.h"
#include "gui/warning_dialog.h"

namespace orvanta::gui {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QWidget* QtUserInterface::ParentWindow() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void QtUserInterface::SetScreen(ScreenId screen, ScreenOpener opener) {
  screens_[screen] = std::move(opener);
}

void QtUserInterface::ShowMessage(std::string_view text) {
  BeforeOpening();
  TWarningForm form(std::string(text), TWarningForm::Use::kMessage);
  WarningDialog dialog(form, ParentWindow());
  RunModal(dialog);
  LogScreenClosed(log_, TWarningForm::kCaption, TWarningForm::kFormName);
}

bool QtUserInterface::Confirm(std::string_view text) {
  BeforeOpening();
  TWarningForm form(std::string(text), TWarningForm::Use::kConfirmation);
  WarningDialog dialog(form, ParentWindow());
  RunModal(dialog);
  LogScreenClosed(log_, TWarningForm::kCaption, TWarningForm::kFormName);
  return form.Confirmed();
}

ScreenResult QtUserInterface::OpenScreen(ScreenId screen) {
  BeforeOpening();
  const auto found = screens_.find(screen);
  if (found == screens_.end()) return ScreenResult::kCancel;
  return found->second(ParentWindow());
}

std::optional<std::string> QtUserInterface::AskText(const TextRequest& request) {
  BeforeOpening();
  QDialog dialog(ParentWindow());
  dialog.setObjectName("TextDialog");
  dialog.setWindowTitle(ToQString(request.caption));
  auto* field = new QLineEdit(ToQString(request.initial_text), &dialog);
  field->setObjectName("TextEdit");
  if (request.max_length > 0) field->setMaxLength(request.max_length);
  if (request.masked) field->setEchoMode(QLineEdit::Password);
  if (request.upper_case) MakeTurkishUpperField(field);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton("Tamam", QDialogButtonBox::AcceptRole)->setObjectName("OkBtn");
  buttons->addButton("İptal", QDialogButtonBox::RejectRole)->setObjectName("CancelBtn");
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(ToQString(request.prompt), &dialog));
  layout->addWidget(field);
  layout->addWidget(buttons);
  const bool accepted = RunModal(dialog) == QDialog::Accepted;
  LogScreenClosed(log_, request.caption, "TextDialog");
  if (!accepted) return std::nullopt;
  return field->text().toStdString();
}

void QtUserInterface::ShowError(std::string_view text) {
  BeforeOpening();
  QMessageBox box(QMessageBox::Critical, "Hata", ToQString(text), QMessageBox::Ok, ParentWindow());
  box.setObjectName("ErrorBox");
  RunModal(box);
}

void QtUserInterface::SetBusy(bool busy) {
  if (busy) {
    ++busy_depth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busy_depth_ > 0) {
    --busy_depth_;
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace orvanta::gui
