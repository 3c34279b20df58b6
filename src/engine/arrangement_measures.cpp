#include "engine/arrangement_measures.h"

#include <algorithm>

#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {

int DayGaps(const TeacherType& teacher, int d) {
  if (d < 1 || d > kDays || teacher.LC1(d) == 0) return 0;
  int gaps = 0;
  bool after_lesson = false;
  int pending = 0;  // free hours since the last lesson; gaps once a later lesson follows
  for (int h = std::max(teacher.LC1(d), 1); h <= std::min(teacher.LC2(d), kHours); ++h) {
    if (teacher.Cm(d, h) > 0) {
      gaps += pending;
      pending = 0;
      after_lesson = true;
    } else if (after_lesson && teacher.Mv(d, h)) {
      ++pending;
    }
  }
  return gaps;
}

int LoneDayCount(const TeacherType& teacher, int days_in_use) {
  int lone_days = 0;
  for (int d = 1; d <= std::clamp(days_in_use, 1, kDays); ++d) {
    if (teacher.LTP(d) == 1) ++lone_days;
  }
  return lone_days;
}

std::vector<int> ArrangementTeacherNos(const SchoolData& data) {
  std::vector<int> nos;
  for (const TeacherType& teacher : data.teachers) {
    if (teacher.LET > 0) nos.push_back(teacher.No);
  }
  return nos;
}

ArrangementCounts CountArrangementTargets(const SchoolData& data, int gap_threshold) {
  ArrangementCounts counts;
  for (const TeacherType& teacher : data.teachers) {
    if (GapCount(teacher, DaysInUse(data)) > gap_threshold) ++counts.teachers_over_gap_threshold;
    if (HasLoneDay(teacher, DaysInUse(data))) ++counts.teachers_with_lone_day;
  }
  return counts;
}

}  // namespace orvanta
