#include "data/hour_rows.h"

#include <algorithm>

namespace orvanta {

int ComputeHourRows(const SchoolData& data) {
  int rows = data.option.hours_in_use;
  for (const ClssType& clss : data.classes) {
    for (int day = 1; day <= kDays; ++day) rows = std::max<int>(rows, clss.LC2(day));
  }
  return std::clamp(rows, 1, kHours);
}

}  // namespace orvanta
