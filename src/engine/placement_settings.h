#pragma once

// Where the automatic placement finds its settings: the elements of the option record's
// placement settings, the teacher's own preferences (sp_cn) and the run values derived from both
// at the start of every run (sg_cn). The run values stay with the teachers after a run, so the
// arrangement can set its own before it calls the block search.

#include <algorithm>

#include "data/school_data.h"

namespace orvanta {

// Elements of OptionType::placement_settings.
enum class PlacementSetting : int {
  kGapsAllowed = 1,     // 1 = teachers may have gaps (gap rule off)
  kMostWeekGaps = 2,    // most gap hours in a week
  kLongestGap = 3,      // longest gap between two lessons
  kSameClassApart = 4,  // lessons of one class with one teacher on different days
  kOnePlusOne = 5,      // a 2-hour lesson may be placed as 1 + 1 on one day
  kDailyMaximum = 6,    // most hours of a teacher in a day
  kGroupApart = 7,      // lessons of one group in a class on different days
  kDayBetween = 8,      // a free day between the days of a lesson
};

inline int Setting(const OptionType& option, PlacementSetting element) {
  return option.placement_settings(static_cast<int>(element));
}

// Entries of TeacherType::sp_cn: the teacher's own choices.
enum class TeacherPreference : int {
  kGapsAllowed = 1,
  kSameClassApart = 4,  // default 1
  kDailyMaximum = 6,    // 0 = the setting
};

inline int Preference(const TeacherType& teacher, TeacherPreference entry) {
  return teacher.sp_cn(static_cast<int>(entry));
}

// Entries of TeacherType::sg_cn read by the block search.
enum class RunValue : int {
  kGapRuleOff = 1,  // 1 = the teacher is not held to the gap rule
  kMostWeekGaps = 2,
  kLongestGap = 3,
  kSameClassApart = 4,  // 1 = the same-class rule applies
  kOnePlusOne = 5,      // copied only; the rule reads the setting itself
  kDailyMaximum = 6,
  kClassGroupSwitch = 18,  // 1 = the class-group switch rule applies
  kLoneDay = 19,           // 1 = no block may make a lone day
  kSpare = 20,
};

inline int32_t& RunValueOf(TeacherType& teacher, RunValue entry) {
  return teacher.sg_cn(static_cast<int>(entry));
}
inline int RunValueOf(const TeacherType& teacher, RunValue entry) {
  return teacher.sg_cn(static_cast<int>(entry));
}

// The days in use as loop bound, kept within the grid for a damaged option record.
inline int DaysInUse(const SchoolData& data) { return std::clamp(data.days_in_use, 1, kDays); }

}  // namespace orvanta
