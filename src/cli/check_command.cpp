#include <iostream>
#include <string>

#include "cli/commands.h"
#include "engine/invariant_check.h"

namespace orvanta::cli {

void AddCheckCommand(CLI::App& app, CliContext& context) {
  CLI::App* command =
      app.add_subcommand("check", "Yerleşimin tutarlılığını denetler (bir ihlalde çıkış kodu 1)");
  command->callback([&context] {
    const std::string violation = CheckInvariants(context.Data());
    if (violation.empty()) {
      std::cout << "Yerleşim tutarlı.\n";
      return;
    }
    std::cout << "Yerleşim tutarsız: " << violation << "\n";
    throw CLI::RuntimeError(1);
  });
}

}  // namespace orvanta::cli
