#pragma once

#include <filesystem>
#include <string_view>

namespace orvanta::log {

// The folder the log goes to: the program's own folder, where log_file_name can be opened for
// appending there; otherwise (an installed program in a protected folder) fallback_folder, the
// data root. Opening leaves an existing log file as it is and may create an empty one.
std::filesystem::path ChooseLogFolder(const std::filesystem::path& program_folder,
                                      const std::filesystem::path& fallback_folder,
                                      std::string_view log_file_name);

}  // namespace orvanta::log
