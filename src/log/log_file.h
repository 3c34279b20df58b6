#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace orvanta::log {

// A log file held open by its writer: opened for appending (created when missing), shared for
// reading and writing with other programs, every write going through to the disk. Results are
// the operating system's error codes, 0 on success. Used by one thread only.
class LogFile {
 public:
  LogFile() = default;
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;
  ~LogFile() { Close(); }

  // REQUIRES: the file is closed.
  int Open(const std::filesystem::path& path);

  // Writes all bytes at the end of the file. Fails when the file is not open.
  int Append(std::string_view bytes);

  // The file's size now, or 0 when it is not open or cannot be asked.
  std::uint64_t Size() const;

  bool IsOpen() const { return handle_ != kNoHandle; }
  void Close();

 private:
  // Both a POSIX descriptor and a Windows handle fit here; -1 is invalid for both.
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
};

}  // namespace orvanta::log
