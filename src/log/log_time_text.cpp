#include "log/log_time_text.h"

#include <cstdio>

namespace orvanta::log {

std::string LogLineTime(const LocalDateTime& t) {
  char text[96];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d.%03d", t.day, t.month, t.year,
                t.hour, t.minute, t.second, t.millisecond);
  return text;
}

std::string ErrorLineTime(const LocalDateTime& t) {
  char text[96];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                t.minute, t.second);
  return text;
}

std::string RotationStamp(const LocalDateTime& t) {
  char text[96];
  std::snprintf(text, sizeof text, "%02d%02d%02d_%02d%02d%02d", t.year % 100, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

}  // namespace orvanta::log
