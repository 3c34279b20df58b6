#pragma once

#include <string>

#include "data/clock.h"

namespace orvanta::log {

// "dd.mm.yyyy hh:nn:ss.zzz", the time of a log line.
std::string LogLineTime(const LocalDateTime& t);

// "dd.mm.yyyy hh:nn:ss", the time of an error line.
std::string ErrorLineTime(const LocalDateTime& t);

// "yymmdd_hhnnss", the prefix of a log file moved aside.
std::string RotationStamp(const LocalDateTime& t);

}  // namespace orvanta::log
