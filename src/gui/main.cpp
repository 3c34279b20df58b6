// orvanta: the desktop program. It takes the same --root DIR as orvanta-cli (the data then lives
// in DIR/Quillen/Orvanta/); without it, the platform's default drive root.

#include <QCommandLineParser>

#include "app/program_event_log.h"
#include "data/paths.h"
#include "gui/desktop_program.h"
#include "gui/error_reporting_application.h"
#include "gui/turkish_language.h"
#include "log/log.h"
#include "log/program_log_options.h"
#include "version.h"

namespace {

std::filesystem::path DriveRoot(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Orvanta haftalık ders programı");
  parser.addHelpOption();
  const QCommandLineOption root(QStringLiteral("root"),
                                "Sürücü kökü: veriler DIR/Quillen/Orvanta/ altında tutulur", "DIR");
  parser.addOption(root);
  parser.process(app);
  if (!parser.isSet(root)) return orvanta::DefaultDriveRoot();
  return std::filesystem::absolute(std::filesystem::u8path(parser.value(root).toStdString()));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvanta;
  gui::ErrorReportingApplication app(argc, argv);
  QCoreApplication::setApplicationName("Orvanta");
  QCoreApplication::setApplicationVersion(kVersionText);
  gui::UseTurkishLanguage(app);
  const std::filesystem::path drive_root = DriveRoot(app);

  log::Start(log::ProgramLogOptions(DataPaths(drive_root).data_root));
  int result = 0;
  {
    SystemClock clock;
    ProgramEventLog event_log;
    gui::DesktopProgram program(drive_root, clock, event_log);
    app.ReportErrorsTo(event_log, program.ui());
    program.main_window().show();
    result = app.exec();
  }
  log::Stop();
  return result;
}
