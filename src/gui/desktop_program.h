#pragma once

// The desktop program put together: the shared data of the data root, the Qt user interface
// with every screen this build has, the hooks of the other subsystems, the main screen's model
// and its window, and the click log. main() makes one; so do the GUI tests, on a temporary
// root.

#include <filesystem>
#include <memory>

#include "app/app_context.h"
#include "app/main_form.h"
#include "gui/click_logging.h"
#include "gui/main_window.h"
#include "gui/qt_user_interface.h"

namespace orvanta::gui {

class DesktopProgram {
 public:
  // clock and log must outlive the program. Nothing is opened until the window is first shown.
  DesktopProgram(const std::filesystem::path& drive_root, const Clock& clock, EventLog& log);
  ~DesktopProgram();

  MainWindow& main_window() { return *window_; }
  SchoolData& data() { return data_; }
  QtUserInterface& ui() { return ui_; }

 private:
  SchoolData data_;
  QtUserInterface ui_;
  ScreenRegistry screens_;
  AppContext app_;
  TMainForm model_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<ClickLogFilter> click_log_;
};

}  // namespace orvanta::gui
