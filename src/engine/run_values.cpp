#include "engine/run_values.h"

#include <algorithm>

#include "engine/placement_settings.h"

namespace orvanta {
namespace {

// True when the class lessons mix classes without Id and classes with the Id "1": only then does
// a teacher's switching between the two groups of classes matter.
bool ClassGroupsMixed(const SchoolData& data) {
  bool empty_id = false;
  bool id_one = false;
  for (const CommonType& common : data.commons) {
    if (common.CX < 1) continue;
    const ClssType* first = data.classes.Find(common.CN(1));
    if (first == nullptr) continue;
    if (first->Id.Empty()) empty_id = true;
    if (first->Id.Raw() == "1") id_one = true;
  }
  return empty_id && id_one;
}

int OpenHoursUpTo(const SchoolData& data, const TeacherType& teacher, int daily_maximum) {
  int capacity = 0;
  for (int d = 1; d <= DaysInUse(data); ++d) {
    if (teacher.LC1(d) == 0) continue;
    const int first = std::max(teacher.LC1(d), 1);
    const int last = std::min(teacher.LC2(d), kHours);
    int open = 0;
    for (int h = first; h <= last; ++h) {
      if (teacher.Mv(d, h)) ++open;
    }
    capacity += std::min(open, daily_maximum);
  }
  return capacity;
}

}  // namespace

int RunDailyMaximum(const SchoolData& data, const TeacherType& teacher) {
  const int own = Preference(teacher, TeacherPreference::kDailyMaximum);
  int maximum = own > 0 ? own : Setting(data.option, PlacementSetting::kDailyMaximum);
  if (teacher.LET > OpenHoursUpTo(data, teacher, maximum)) ++maximum;
  return maximum;
}

void DeriveRunValues(SchoolData& data) {
  const OptionType& option = data.option;
  const int group_switch = ClassGroupsMixed(data) ? 1 : 0;
  for (TeacherType& teacher : data.teachers) {
    RunValueOf(teacher, RunValue::kLoneDay) = 0;
    RunValueOf(teacher, RunValue::kSpare) = 0;
    RunValueOf(teacher, RunValue::kDailyMaximum) = RunDailyMaximum(data, teacher);
    RunValueOf(teacher, RunValue::kOnePlusOne) = Setting(option, PlacementSetting::kOnePlusOne);
    RunValueOf(teacher, RunValue::kSameClassApart) =
        std::min(Preference(teacher, TeacherPreference::kSameClassApart),
                 Setting(option, PlacementSetting::kSameClassApart));
    RunValueOf(teacher, RunValue::kClassGroupSwitch) = group_switch;
  }
  for (TeacherType& teacher : data.teachers) {
    RunValueOf(teacher, RunValue::kGapRuleOff) =
        std::max(Preference(teacher, TeacherPreference::kGapsAllowed),
                 Setting(option, PlacementSetting::kGapsAllowed));
    RunValueOf(teacher, RunValue::kMostWeekGaps) = Setting(option, PlacementSetting::kMostWeekGaps);
    RunValueOf(teacher, RunValue::kLongestGap) = Setting(option, PlacementSetting::kLongestGap);
    // A teacher whose free hours barely cover the lessons cannot afford to be held to the gaps.
    if (teacher.LET + RunValueOf(teacher, RunValue::kMostWeekGaps) >= teacher.DAT) {
      RunValueOf(teacher, RunValue::kGapRuleOff) = 1;
    }
  }
}

}  // namespace orvanta
