#pragma once

#include <filesystem>

#include "log/log_options.h"

namespace orvanta::log {

// The log options of the running program: its file's name and version; the log beside the
// program file, or in data_root where that folder cannot be written; sender errors in data_root.
// When the operating system cannot name the program file, the name is "Orvanta" and the log goes
// to data_root.
LogOptions ProgramLogOptions(const std::filesystem::path& data_root);

}  // namespace orvanta::log
