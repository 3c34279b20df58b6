#include "engine/placement_rules.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "engine/class_lesson_members.h"
#include "engine/first_members.h"
#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {
namespace {

// The hours first..last of a day, kept within the grid (a day span of 0 is empty).
struct HourSpan {
  int first;
  int last;
};
HourSpan Span(int first, int last) { return {std::max(first, 1), std::min(last, kHours)}; }

// The Id of the first class of a class lesson; empty when it has none.
std::string_view FirstClassId(const SchoolData& data, const CommonType* common) {
  if (common == nullptr) return {};
  const ClssType* clss = FirstClass(data, *common);
  return clss != nullptr ? clss->Id.Raw() : std::string_view{};
}

// Walks a teacher's lessons of day d from hour `from` towards hour `to` (step +1 or -1; nothing
// when `to` lies behind) and reports whether a lesson of another class group was met; sets
// *broken when a lesson of the own group follows such a lesson.
bool MeetsOtherGroup(const SchoolData& data, const TeacherType& teacher, int d, int from, int to,
                     int step, std::string_view own_id, bool* broken) {
  bool met_other = false;
  for (int x = from; step > 0 ? x <= to : x >= to; x += step) {
    const int no = teacher.Cm(d, x);
    if (no <= 0) continue;
    if (FirstClassId(data, data.commons.Find(no)) != own_id) {
      met_other = true;
    } else if (met_other) {
      *broken = true;
    }
  }
  return met_other;
}

}  // namespace

bool DaySpreadHolds(const SchoolData& data, const CommonType& common, int n, int d, int h) {
  if (common.LTP(d) == 0) return true;
  if (n != 1 || Setting(data.option, PlacementSetting::kOnePlusOne) != 1 || common.LTP(d) != 1) {
    return false;
  }
  return (h > 1 && common.LH(d, h - 1) > 0) || (h < kHours && common.LH(d, h + 1) > 0);
}

bool DailyMaximumHolds(const SchoolData& data, const CommonType& common, int n, int d) {
  return VisitMembers(data.teachers, common.TN, common.TX, [&](const TeacherType& teacher) {
    const int maximum = RunValueOf(teacher, RunValue::kDailyMaximum);
    return !(n < maximum && teacher.LTP(d) + n > maximum);
  });
}

bool TeacherGapRuleHolds(const SchoolData& data, const TeacherType& teacher, int n, int d, int h) {
  if (RunValueOf(teacher, RunValue::kGapRuleOff) == 1 || teacher.LTP(d) == 0) return true;
  if (h > 1 && teacher.Cm(d, h - 1) > 0) return true;
  if (h + n < kHours && teacher.Cm(d, h + n) > 0) return true;
  int allowance = 0;
  const int most_gaps = RunValueOf(teacher, RunValue::kMostWeekGaps);
  if (most_gaps > 0) {
    const int gaps = GapCount(teacher, DaysInUse(data));
    if (gaps < most_gaps) {
      allowance = std::min(RunValueOf(teacher, RunValue::kLongestGap), most_gaps - gaps);
    }
  }
  const HourSpan span = Span(teacher.LC1(d), teacher.LC2(d));
  if (teacher.LC1(d) < h) {
    int free_hours = 0;
    for (int x = h - 1; x >= span.first; --x) {
      if (teacher.Cm(d, x) > 0) {
        if (free_hours <= allowance) return true;
        break;
      }
      if (teacher.Mv(d, x) && teacher.Lm(d, x)) ++free_hours;
    }
  }
  if (teacher.LC2(d) > h + n) {
    int free_hours = 0;
    for (int x = h + n; x <= span.last; ++x) {
      if (teacher.Cm(d, x) > 0) return free_hours <= allowance;
      if (teacher.Mv(d, x) && teacher.Lm(d, x)) ++free_hours;
    }
  }
  return false;
}

bool GapsHold(const SchoolData& data, const CommonType& common, int n, int d, int h) {
  return VisitMembers(data.teachers, common.TN, common.TX, [&](const TeacherType& teacher) {
    return TeacherGapRuleHolds(data, teacher, n, d, h);
  });
}

bool SameClassHolds(const SchoolData& data, const CommonType& common, int n, int d) {
  const TeacherType* teacher = FirstTeacher(data, common);
  const ClssType* clss = FirstClass(data, common);
  if (teacher == nullptr || clss == nullptr) return true;
  if (RunValueOf(*teacher, RunValue::kSameClassApart) == 0) return true;
  int hours = 0;
  const HourSpan span = Span(clss->LC1(d), clss->LC2(d));
  for (int x = span.first; x <= span.last; ++x) {
    const CommonType* other = data.commons.Find(teacher->Cm(d, x));
    if (other != nullptr && other->CX >= 1 && other->CN(1) == common.CN(1) &&
        other->Le != common.Le) {
      ++hours;
    }
  }
  return !(hours > 0 && hours + n > 2);
}

bool GroupHolds(const SchoolData& data, const CommonType& common, int n, int d) {
  const LessonType* lesson = data.lessons.Find(common.Le);
  if (lesson == nullptr || lesson->Gr.Empty()) return true;
  if (Setting(data.option, PlacementSetting::kGroupApart) == 0) return true;
  const ClssType* clss = FirstClass(data, common);
  if (clss == nullptr) return true;
  int hours = n;
  const HourSpan span = Span(clss->LC1(d), clss->LC2(d));
  for (int x = span.first; x <= span.last; ++x) {
    const CommonType* other = data.commons.Find(clss->Cm(d, x));
    if (other == nullptr) continue;
    const LessonType* other_lesson = data.lessons.Find(other->Le);
    if (other_lesson != nullptr && other_lesson->Gr.Raw() == lesson->Gr.Raw()) ++hours;
  }
  return hours <= 2;
}

bool ClassGroupSwitchHolds(const SchoolData& data, const CommonType& common, int n, int d, int h) {
  const TeacherType* teacher = FirstTeacher(data, common);
  if (teacher == nullptr || RunValueOf(*teacher, RunValue::kClassGroupSwitch) == 0) return true;
  const std::string_view own_id = FirstClassId(data, &common);
  const auto other_group_at = [&](int x) {
    const int no = teacher->Cm(d, x);
    return no > 0 && FirstClassId(data, data.commons.Find(no)) != own_id;
  };
  if (h > 1 && other_group_at(h - 1)) return false;
  if (h + n < kHours && other_group_at(h + n)) return false;
  bool broken = false;
  bool other_before = false;
  bool other_after = false;
  if (h > 2) {
    other_before = MeetsOtherGroup(data, *teacher, d, h - 1, std::max(teacher->LC1(d), 1), -1,
                                   own_id, &broken);
  }
  if (teacher->LC2(d) - n - 2 > h) {
    other_after = MeetsOtherGroup(data, *teacher, d, h, std::min(teacher->LC2(d), kHours), 1,
                                  own_id, &broken);
  }
  return !broken && !(other_before && other_after);
}

bool LoneDayHolds(const SchoolData& data, const CommonType& common, int n, int d) {
  const TeacherType* teacher = FirstTeacher(data, common);
  if (teacher == nullptr) return true;
  return !(RunValueOf(*teacher, RunValue::kLoneDay) == 1 && teacher->LTP(d) + n == 1);
}

bool DayGapHolds(const SchoolData& data, const CommonType& common, int d, SearchPhase phase) {
  const int setting = Setting(data.option, PlacementSetting::kDayBetween);
  const bool first_round = phase.attempt == 1 && phase.pass == 1;
  if (!(setting == 1 || (setting == 0 && first_round))) return true;
  int days_with_hours = 0;
  int only_day = 0;
  for (int x = 1; x <= DaysInUse(data); ++x) {
    if (common.LTP(x) > 0) {
      ++days_with_hours;
      only_day = x;
    }
  }
  return days_with_hours != 1 || std::abs(only_day - d) >= 2;
}

bool RulesHold(const SchoolData& data, const CommonType& common, int n, int d, int h,
               SearchPhase phase) {
  return DaySpreadHolds(data, common, n, d, h) && DailyMaximumHolds(data, common, n, d) &&
         GapsHold(data, common, n, d, h) && SameClassHolds(data, common, n, d) &&
         GroupHolds(data, common, n, d) && ClassGroupSwitchHolds(data, common, n, d, h) &&
         LoneDayHolds(data, common, n, d) && DayGapHolds(data, common, d, phase);
}

}  // namespace orvanta
