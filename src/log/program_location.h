#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvanta::log {

struct ProgramLocation {
  std::filesystem::path folder;  // the folder of the program file
  std::string name;              // the program file's name without its extension, UTF-8
};

// Where the running program's file is; nullopt when the operating system does not say.
std::optional<ProgramLocation> CurrentProgramLocation();

}  // namespace orvanta::log
