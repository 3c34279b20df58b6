// The only place that turns file times into local calendar time; the time zone rules are the
// operating system's.

#include "data/archive/file_local_time.h"

#include <chrono>
#include <ctime>

namespace orvanta {

LocalDateTime LocalTimeOf(std::filesystem::file_time_type time) {
  using namespace std::chrono;
  const auto system_time = time_point_cast<milliseconds>(file_clock::to_sys(time));
  const auto whole_seconds = floor<seconds>(system_time);
  const std::time_t seconds_since_epoch = system_clock::to_time_t(whole_seconds);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &seconds_since_epoch);
#else
  localtime_r(&seconds_since_epoch, &parts);
#endif
  const auto millis = (system_time - whole_seconds).count();
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,           parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     static_cast<int>(millis)};
}

}  // namespace orvanta
