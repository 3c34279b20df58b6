#include "gui/desktop_program.h"

#include <QApplication>

#include "app/program_hooks.h"
#include "gui/desktop_screens.h"

namespace orvanta::gui {

DesktopProgram::DesktopProgram(const std::filesystem::path& drive_root, const Clock& clock,
                               EventLog& log)
    : data_(drive_root),
      ui_(log),
      app_{data_, clock, ui_, log, screens_, ProgramHooks(clock, log)},
      model_(app_),
      window_(std::make_unique<MainWindow>(model_)),
      click_log_(std::make_unique<ClickLogFilter>(log, nullptr)) {
  RegisterDesktopScreens(app_, ui_);
  ui_.SetBeforeOpening([this] { window_->ShowModelState(); });
  QApplication::instance()->installEventFilter(click_log_.get());
}

DesktopProgram::~DesktopProgram() { QApplication::instance()->removeEventFilter(click_log_.get()); }

}  // namespace orvanta::gui
