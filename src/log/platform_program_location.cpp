#include <system_error>
#include <vector>

#include "log/program_location.h"
#include "log/utf8_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvanta::log {
namespace {

std::optional<std::filesystem::path> ProgramFile() {
#ifdef _WIN32
  // The buffer grows until the whole name fits; names may be longer than MAX_PATH.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) return std::filesystem::path(buffer.data(), buffer.data() + length);
    buffer.resize(buffer.size() * 2);
  }
#else
  std::error_code error;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return file;
#endif
}

}  // namespace

std::optional<ProgramLocation> CurrentProgramLocation() {
  const std::optional<std::filesystem::path> file = ProgramFile();
  if (!file || !file->has_filename()) return std::nullopt;
  return ProgramLocation{file->parent_path(), PathToUtf8(file->stem())};
}

}  // namespace orvanta::log
