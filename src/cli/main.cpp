// orvanta-cli: the headless tool for administrators and scripts. It works on the same data root
// as the desktop program.

#include <exception>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace orvanta::cli;
  CliContext context;
  CLI::App app("Orvanta haftalık ders programı - komut satırı aracı", "orvanta-cli");
  app.add_option("--root", context.root_option,
                 "Sürücü kökü: veriler DIR/Quillen/Orvanta/ altında tutulur")
      ->option_text("DIR");
  app.require_subcommand(1);
  AddInitCommand(app, context);
  AddInfoCommand(app, context);
  AddBackupCommand(app, context);
  AddRestoreCommand(app, context);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    std::cerr << "Hata: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
