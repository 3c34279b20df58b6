#pragma once

// The screen models' UserInterface in Qt windows: the warning dialog "UYARI", the modal screens
// registered by the program, a one-line text dialog, the error box and the hourglass cursor.
// Every window opens over the window that is active at the time.

#include <QString>
#include <functional>
#include <map>

#include "app/event_log.h"
#include "app/user_interface.h"

class QWidget;

namespace orvanta::gui {

class QtUserInterface : public UserInterface {
 public:
  // Shows a screen over parent and returns how it closed.
  using ScreenOpener = std::function<ScreenResult(QWidget* parent)>;

  // log must outlive the interface.
  explicit QtUserInterface(EventLog& log) : log_(log) {}

  // Registering a screen again replaces its opener.
  void SetScreen(ScreenId screen, ScreenOpener opener);
  // Runs before any window opens, so the windows below show what the model has reached (the
  // main screen's activation asks the entry password half-way).
  void SetBeforeOpening(std::function<void()> action) { before_opening_ = std::move(action); }

  void ShowMessage(std::string_view text) override;
  bool Confirm(std::string_view text) override;
  ScreenResult OpenScreen(ScreenId screen) override;
  std::optional<std::string> AskText(const TextRequest& request) override;
  void ShowError(std::string_view text) override;
  void SetBusy(bool busy) override;

  // The window new windows open over: the open modal window, else the active one.
  static QWidget* ParentWindow();

 private:
  void BeforeOpening() const {
    if (before_opening_) before_opening_();
  }

  EventLog& log_;
  std::function<void()> before_opening_;
  std::map<ScreenId, ScreenOpener> screens_;
  int busy_depth_ = 0;
};

}  // namespace orvanta::gui
