// orvanta-cli: the headless tool for administrators and scripts. It works on the same data root
// as the desktop program.

#include <exception>
#include <iostream>

#include "cli/commands.h"
#include "data/paths.h"
#include "log/log.h"
#include "log/program_log_options.h"

namespace {

std::string CommandLineText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

// The log starts once --root is known, before the command runs.
void StartCommandLog(const orvanta::cli::CliContext& context, const std::string& command_line) {
  orvanta::log::Start(
      orvanta::log::ProgramLogOptions(orvanta::DataPaths(context.DriveRoot()).data_root));
  orvanta::log::Write("orvanta-cli", "main", command_line);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvanta::cli;
  CliContext context;
  CLI::App app("Orvanta haftalık ders programı - komut satırı aracı", "orvanta-cli");
  app.add_option("--root", context.root_option,
                 "Sürücü kökü: veriler DIR/Quillen/Orvanta/ altında tutulur")
      ->option_text("DIR");
  app.require_subcommand(1);
  app.failure_message([](const CLI::App*, const CLI::Error& error) {
    return "Hata: " + std::string(error.what()) + "\nKomutlar için: orvanta-cli --help\n";
  });
  const std::string command_line = CommandLineText(argc, argv);
  app.parse_complete_callback([&] { StartCommandLog(context, command_line); });
  AddInitCommand(app, context);
  AddInfoCommand(app, context);
  AddBackupCommand(app, context);
  AddRestoreCommand(app, context);
  AddMaintainCommand(app, context);
  AddImportV2Command(app, context);
  AddDemoCommand(app, context);
  AddCheckCommand(app, context);
  AddArrangeCommand(app, context);
  AddAutoplaceCommand(app, context);
  int exit_code = 0;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    exit_code = app.exit(error);
  } catch (const std::exception& error) {
    std::cerr << "Hata: " << error.what() << "\n";
    orvanta::log::Write("orvanta-cli", "main", std::string("Hata: ") + error.what());
    exit_code = 1;
  }
  orvanta::log::Stop();
  return exit_code;
}
