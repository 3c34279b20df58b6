#include "log/log_folder.h"

#include "log/log_file.h"
#include "log/utf8_path.h"

namespace orvanta::log {

std::filesystem::path ChooseLogFolder(const std::filesystem::path& program_folder,
                                      const std::filesystem::path& fallback_folder,
                                      std::string_view log_file_name) {
  // The writer's own way of opening is the test that matters: a folder may be listable, or even
  // allow new files, and still refuse this one.
  LogFile probe;
  if (!program_folder.empty() && probe.Open(program_folder / PathFromUtf8(log_file_name)) == 0) {
    return program_folder;
  }
  return fallback_folder;
}

}  // namespace orvanta::log
