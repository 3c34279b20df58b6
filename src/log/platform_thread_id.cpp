#include "log/platform_thread_id.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace orvanta::log {

std::uint32_t CurrentThreadId() {
#ifdef _WIN32
  return static_cast<std::uint32_t>(GetCurrentThreadId());
#else
  return static_cast<std::uint32_t>(syscall(SYS_gettid));
#endif
}

}  // namespace orvanta::log
