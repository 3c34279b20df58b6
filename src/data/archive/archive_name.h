#pragma once

#include <string>

#include "data/clock.h"

namespace orvanta {

// The name of an automatic archive: year to width 4, month, day, hour, minute and second to
// width 2, milliseconds to width 3, separated by "x", then ".zip"
// (2024x03x05x14x07x09x042.zip). Such names sort by time as plain strings.
std::string AutomaticArchiveName(const LocalDateTime& t);

}  // namespace orvanta
