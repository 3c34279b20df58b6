#include "data/clock.h"

namespace orvanta {

int SchoolYear(const LocalDateTime& date) { return date.month >= 9 ? date.year : date.year - 1; }

}  // namespace orvanta
