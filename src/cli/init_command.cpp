#include <iostream>

#include "cli/commands.h"
#include "data/io_error.h"

namespace orvanta::cli {

void AddInitCommand(CLI::App& app, CliContext& context) {
  CLI::App* command =
      app.add_subcommand("init", "Veri klasörünü ve açık programı hazırlar (eksik dosyaları oluşturur)");
  command->callback([&context] {
    const SchoolData& data = context.Data();
    std::cout << PathText(data.paths.data_root) << "\n";
  });
}

}  // namespace orvanta::cli
