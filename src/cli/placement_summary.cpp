#include "cli/placement_summary.h"

#include <ostream>

#include "data/hour_totals.h"
#include "engine/gap_measures.h"

namespace orvanta::cli {

PlacementSummary SummarisePlacement(const SchoolData& data) {
  const HourTotals hours = ComputeHourTotals(data);
  PlacementSummary summary{hours.total, hours.placed, hours.remaining(), 0, 0};
  for (const TeacherType& teacher : data.teachers) {
    summary.gaps += GapCount(teacher, data.days_in_use);
    for (int d = 1; d <= data.days_in_use; ++d) summary.lone_days += teacher.LTP(d) == 1;
  }
  return summary;
}

void PrintSummary(std::ostream& out, const PlacementSummary& summary) {
  out << "Toplam: " << summary.total << "  Yerleşen: " << summary.placed
      << "  Kalan: " << summary.remaining << "\n"
      << "Boşluk: " << summary.gaps << "  Tek düşen gün: " << summary.lone_days << "\n";
}

}  // namespace orvanta::cli
