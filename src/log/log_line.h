#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/clock.h"

namespace orvanta::log {

struct LogLineFields {
  std::string_view software_name;
  std::string_view software_version;
  std::uint32_t thread_id = 0;
  std::string_view source;  // unit "." method
  std::string_view text;
};

// Builds, in UTF-8,
//   name " V" version ";" thread ";" time ";" source ";" text ";" CR LF
// with the thread as 8 upper-case hexadecimal digits, the clock's time as
// "dd.mm.yyyy hh:nn:ss.zzz", and every CR and LF of the text replaced by a space, so that one
// entry is always one line. The line is built in line field by field: when a step throws, line
// keeps what was composed before it. line is cleared first.
void ComposeLogLine(const LogLineFields& fields, const Clock& clock, std::string& line);

}  // namespace orvanta::log
