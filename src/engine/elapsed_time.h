#pragma once

#include <string>

namespace orvanta {

// The elapsed time of a run as the screens show it: hours, minutes and seconds, each written to
// width 2 with leading zeros and joined by ":" ("01:02:05" after 3725 seconds). Hours beyond 99
// keep all their digits. A negative count reads as 0.
std::string ElapsedTimeText(int seconds);

}  // namespace orvanta
