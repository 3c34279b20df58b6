#include "engine/arrangement_run_values.h"

#include <algorithm>

#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {

void DeriveArrangementGapValues(SchoolData& data, int gap_threshold) {
  for (TeacherType& teacher : data.teachers) {
    const int allowed = std::max(GapCount(teacher, DaysInUse(data)), gap_threshold);
    RunValueOf(teacher, RunValue::kGapRuleOff) = 0;
    RunValueOf(teacher, RunValue::kMostWeekGaps) = allowed;
    RunValueOf(teacher, RunValue::kLongestGap) = allowed;
  }
}

void DeriveArrangementDailyMaximum(SchoolData& data) {
  for (TeacherType& teacher : data.teachers) {
    const int own = Preference(teacher, TeacherPreference::kDailyMaximum);
    RunValueOf(teacher, RunValue::kDailyMaximum) =
        own > 0 ? own : Setting(data.option, PlacementSetting::kDailyMaximum);
  }
}

GapRunValues SaveGapRunValues(const TeacherType& teacher) {
  return {RunValueOf(teacher, RunValue::kGapRuleOff), RunValueOf(teacher, RunValue::kMostWeekGaps),
          RunValueOf(teacher, RunValue::kLongestGap)};
}

void RestoreGapRunValues(TeacherType& teacher, const GapRunValues& values) {
  RunValueOf(teacher, RunValue::kGapRuleOff) = values.gap_rule_off;
  RunValueOf(teacher, RunValue::kMostWeekGaps) = values.most_week_gaps;
  RunValueOf(teacher, RunValue::kLongestGap) = values.longest_gap;
}

}  // namespace orvanta
