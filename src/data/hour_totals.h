#pragma once

#include "data/school_data.h"

namespace orvanta {

// The totals the timetable screens show: "Toplam" is the weekly hours of the class lessons that
// have at least one teacher, "Yerleşen" their placed hours, "Kalan" the difference.
struct HourTotals {
  int total = 0;
  int placed = 0;
  int remaining() const { return total - placed; }
};

HourTotals ComputeHourTotals(const SchoolData& data);

}  // namespace orvanta
