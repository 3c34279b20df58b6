#include "gui/modal_screen_dialog.h"

#include <QPushButton>
#include <exception>

#include "app/screen_events.h"
#include "gui/click_logging.h"
#include "gui/modal_runner.h"

namespace orvanta::gui {

ModalScreenDialog::ModalScreenDialog(ModalScreen& model, AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app), model_(model) {
  setObjectName(QString::fromStdString(model.form_name()));
  setWindowTitle(QString::fromStdString(model.caption()));
}

ScreenResult ModalScreenDialog::Run() {
  RunCommand([this] { Activate(); });
  if (!model_.closed()) RunModal(*this);
  try {
    model_.FormClose();
  } catch (const std::exception& error) {
    ReportUnhandledError(app_.log, app_.ui, model_.form_name(), error);
  }
  return model_.result();
}

void ModalScreenDialog::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ReportUnhandledError(app_.log, app_.ui, model_.form_name(), error);
  }
  if (model_.closed()) {
    done(model_.result() == ScreenResult::kOk ? QDialog::Accepted : QDialog::Rejected);
    return;
  }
  Refresh();
}

QAbstractButton* ModalScreenDialog::CommandButton(const QString& caption, const char* component,
                                                  std::function<void()> command) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(component);
  button->setAutoDefault(false);
  MarkClickLoggedByModel(button);
  connect(button, &QPushButton::clicked, this,
          [this, command = std::move(command)] { RunCommand(command); });
  return button;
}

void ModalScreenDialog::SetClientSize(int width, int height) { resize(width, height); }

}  // namespace orvanta::gui
