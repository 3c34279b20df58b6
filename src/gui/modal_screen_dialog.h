#pragma once

// The window of a modal screen model. A view derives from it, builds its controls, shows the
// model's state in Refresh() and sends each command through RunCommand(); the base closes the
// window when a command closed the model, tells the model once when the window has closed
// (however it closed), and reports what a command throws the way the program reports every
// unhandled error.

#include <QDialog>
#include <functional>

#include "app/modal_screen.h"

class QAbstractButton;

namespace orvanta::gui {

class ModalScreenDialog : public QDialog {
  Q_OBJECT

 public:
  // model must outlive the dialog. The window's object name is the model's form name and its
  // title the model's caption.
  ModalScreenDialog(ModalScreen& model, AppContext& app, QWidget* parent);

  // Shows the window modally; returns how the model closed.
  ScreenResult Run();

 protected:
  // Shows the model's current state in the controls.
  virtual void Refresh() = 0;
  // The model's activation, run once before the window shows.
  virtual void Activate() {}

  // Runs a command of the model, then refreshes or closes the window.
  void RunCommand(const std::function<void()>& command);
  // A push button whose clicks run command. The model logs the click itself.
  QAbstractButton* CommandButton(const QString& caption, const char* component,
                                 std::function<void()> command);
  // The client area of the screen; the layout may widen it where the font needs more room.
  void SetClientSize(int width, int height);

  AppContext& app_;

 private:
  ModalScreen& model_;
};

}  // namespace orvanta::gui
