#include "log/program_log_options.h"

#include "log/log_folder.h"
#include "log/program_location.h"
#include "version.h"

namespace orvanta::log {
namespace {

constexpr const char* kFallbackProgramName = "Orvanta";

}  // namespace

LogOptions ProgramLogOptions(const std::filesystem::path& data_root) {
  LogOptions options;
  options.software_version = kVersionText;
  options.sender_error_folder = data_root;
  options.log_folder = data_root;
  options.software_name = kFallbackProgramName;
  if (const std::optional<ProgramLocation> program = CurrentProgramLocation()) {
    options.software_name = program->name;
    options.log_folder = ChooseLogFolder(program->folder, data_root, program->name + ".txt");
  }
  return options;
}

}  // namespace orvanta::log
