#pragma once

// Each command of orvanta-cli registers itself on the application here.

#include <CLI/CLI.hpp>

#include "cli/cli_context.h"

namespace orvanta::cli {

void AddInitCommand(CLI::App& app, CliContext& context);
void AddInfoCommand(CLI::App& app, CliContext& context);
void AddBackupCommand(CLI::App& app, CliContext& context);
void AddRestoreCommand(CLI::App& app, CliContext& context);
void AddMaintainCommand(CLI::App& app, CliContext& context);
void AddImportV2Command(CLI::App& app, CliContext& context);
void AddDemoCommand(CLI::App& app, CliContext& context);
void AddCheckCommand(CLI::App& app, CliContext& context);
void AddArrangeCommand(CLI::App& app, CliContext& context);
void AddAutoplaceCommand(CLI::App& app, CliContext& context);

}  // namespace orvanta::cli
