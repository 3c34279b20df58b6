#pragma once

// Calendar arithmetic on local date-times, which the clock and file times deliver as fields.
// Local times are counted as they read, without time zones: day boundaries are the ones the
// school sees.

#include <cstdint>

#include "data/clock.h"

namespace orvanta {

// Days since 1970-01-01 of the date part.
int64_t DayNumber(const LocalDateTime& t);

// Milliseconds since 1970-01-01 00:00:00.000, as the fields read.
int64_t MillisecondNumber(const LocalDateTime& t);

// The inverse of MillisecondNumber.
LocalDateTime FromMillisecondNumber(int64_t milliseconds);

}  // namespace orvanta
