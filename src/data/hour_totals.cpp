#include "data/hour_totals.h"

namespace orvanta {

HourTotals ComputeHourTotals(const SchoolData& data) {
  HourTotals totals;
  for (const CommonType& common : data.commons) {
    if (common.TX <= 0) continue;
    totals.total += common.Wl;
    totals.placed += common.Pt;
  }
  return totals;
}

}  // namespace orvanta
