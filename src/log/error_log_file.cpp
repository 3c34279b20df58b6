#include "log/error_log_file.h"

#include <fstream>

#include "data/cp1254.h"
#include "log/log_time_text.h"

namespace orvanta::log {
namespace {

void WriteBytes(const std::filesystem::path& file, std::ios::openmode mode,
                std::string_view bytes) noexcept {
  try {
    std::ofstream out(file, std::ios::binary | std::ios::out | mode);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  } catch (...) {
  }
}

}  // namespace

std::string ErrorLine(const LocalDateTime& now, std::string_view source, std::string_view file_name,
                      std::string_view error) {
  std::string line = "DateTime:" + ErrorLineTime(now);
  line.append("; Source:").append(source);
  line.append("; FileName:").append(file_name);
  line.append("; Error:").append(error).append(";");
  return line;
}

void AppendErrorLine(const std::filesystem::path& error_file, const LocalDateTime& now,
                     std::string_view source, std::string_view file_name,
                     std::string_view error) noexcept {
  try {
    WriteBytes(error_file, std::ios::app,
               Utf8ToCp1254(ErrorLine(now, source, file_name, error)) + "\r\n");
  } catch (...) {
  }
}

void ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes) noexcept {
  WriteBytes(file, std::ios::trunc, bytes);
}

}  // namespace orvanta::log
