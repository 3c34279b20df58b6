#include "log/log_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace orvanta::log {

#ifdef _WIN32

namespace {
HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
}  // namespace

int LogFile::Open(const std::filesystem::path& path) {
  const HANDLE h =
      CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  handle_ = reinterpret_cast<std::intptr_t>(h);
  return 0;
}

int LogFile::Append(std::string_view bytes) {
  if (!IsOpen()) return ERROR_INVALID_HANDLE;
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr)) {
      return static_cast<int>(GetLastError());
    }
    bytes.remove_prefix(written);
  }
  return 0;
}

std::uint64_t LogFile::Size() const {
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(AsHandle(handle_), &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

void LogFile::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

#else

int LogFile::Open(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_DSYNC | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  handle_ = fd;
  return 0;
}

int LogFile::Append(std::string_view bytes) {
  if (!IsOpen()) return EBADF;
  while (!bytes.empty()) {
    const ssize_t written = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::uint64_t LogFile::Size() const {
  struct stat st;
  if (!IsOpen() || ::fstat(static_cast<int>(handle_), &st) != 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

void LogFile::Close() {
  if (IsOpen()) ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
}

#endif

}  // namespace orvanta::log
