#pragma once

// The figures printed after an automatic placement or an arrangement: the totals the timetable
// screens show ("Toplam", "Yerleşen", "Kalan"), the teachers' gaps and their lone days.

#include <iosfwd>

#include "data/school_data.h"

namespace orvanta::cli {

struct PlacementSummary {
  int total = 0;
  int placed = 0;
  int remaining = 0;
  int gaps = 0;       // the sum of every teacher's gap count
  int lone_days = 0;  // days in use on which a teacher has exactly one hour, over all teachers
};

PlacementSummary SummarisePlacement(const SchoolData& data);

// Two lines: the totals, then the gaps and lone days.
void PrintSummary(std::ostream& out, const PlacementSummary& summary);

}  // namespace orvanta::cli
