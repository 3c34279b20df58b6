#include "gui/desktop_program.h"

#include <QApplication>

#include "app/program_hooks.h"
#include "gui/desktop_screens.h"

namespace orvanta::gui {

namespace {

// While the automatic backup and the retention cleaner run on their workers, and between the
// steps of the rebuild, the windows keep painting and the timers keep ticking; clicks and keys
// wait until the step is over, so no command can start in the middle of one.
void ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

DesktopProgram::DesktopProgram(const std::filesystem::path& drive_root, const Clock& clock,
                               EventLog& log)
    : data_(drive_root),
      ui_(log),
      app_{data_, clock, ui_, log, screens_, ProgramHooks(clock, log, ProcessPendingEvents)},
      model_(app_),
      window_(std::make_unique<MainWindow>(model_)),
      click_log_(std::make_unique<ClickLogFilter>(log, nullptr)) {
  RegisterDesktopScreens(app_, ui_);
  ui_.SetBeforeOpening([this] { window_->ShowModelState(); });
  QApplication::instance()->installEventFilter(click_log_.get());
}

DesktopProgram::~DesktopProgram() { QApplication::instance()->removeEventFilter(click_log_.get()); }

}  // namespace orvanta::gui
