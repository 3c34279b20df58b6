#include "pay/pay_distribution.h"

#include <algorithm>

#include "pay/pay_codes.h"
#include "pay/pay_day_order.h"
#include "pay/pay_fill_day.h"

namespace orvanta {
namespace {

// One placement per slot at most, so no count above the slots of a week can be placed.
constexpr int64_t kWeekSlots = kDays * kHours;

// The option files count days from 0 = Monday; 0 (no day) for anything outside the week, so a
// damaged value places nothing there and the fallback takes the hours.
int OptionDay(int32_t stored) { return stored >= 0 && stored < kDays ? stored + 1 : 0; }

// Last day (of 1..7) with guidance lesson hours; Monday when there is none.
int GuidanceLessonDay(const TeacherType& teacher) {
  for (int day = kDays; day >= 1; --day) {
    for (int hour = 1; hour <= kHours; ++hour) {
      if (teacher.Dd(day, hour) == kGuidanceCategory && teacher.Pl(day, hour) > 0) return day;
    }
  }
  return 1;
}

// The latest lesson slot of day, 0 when there is none.
int LatestLessonHour(const TeacherType& teacher, int day) {
  for (int hour = kHours; hour >= 1; --hour) {
    if (teacher.Dd(day, hour) == kLessonCategory && teacher.Pl(day, hour) > 0) return hour;
  }
  return 0;
}

}  // namespace

void DistributeGuidance(const PaySettings& settings, TeacherType& teacher, int64_t hours) {
  const int category = CalculatedCategory(teacher, 2);
  if (hours <= 0 || category <= 0) return;
  const bool skip_empty = settings.no_guidance_on_free_day != 0;
  auto fill = [&](int day, int64_t n) { return FillDay(teacher, day, n, category, skip_empty); };

  const bool one_plus_one = settings.guidance_form == 1;
  const bool split = one_plus_one && hours > 1;
  const int day1 = OptionDay(settings.guidance_day1);
  const int day2 = OptionDay(settings.guidance_day2);
  int first_day = day1;
  int second_day = day2;
  if (settings.guidance_on_lesson_day) {
    first_day = GuidanceLessonDay(teacher);
    second_day = first_day == day1 ? day2 : day1;
  }
  int64_t placed = fill(first_day, split ? hours - 1 : hours);
  if (split) placed += fill(second_day, 1);
  for (int day = 5; day >= 1 && placed < hours; --day) placed += fill(day, hours - placed);
}

void DistributeClub(const PaySettings& settings, TeacherType& teacher, int64_t hours) {
  const int category = CalculatedCategory(teacher, 3);
  if (hours <= 0 || category <= 0) return;
  const bool skip_empty = settings.no_club_on_free_day != 0;
  auto fill = [&](int day, int64_t n) { return FillDay(teacher, day, n, category, skip_empty); };

  const int day1 = OptionDay(settings.club_day1);
  int64_t placed = 0;
  if (settings.club_form == 1) {
    placed += fill(day1, hours - 1);
    if (hours > 1) placed += fill(OptionDay(settings.club_day2), 1);
  } else {
    placed += fill(day1, hours);
  }
  if (placed >= hours) return;
  for (int day : DayOrder(teacher)) {
    if (placed >= hours) break;
    placed += fill(day, hours - placed);
  }
}

void DistributePreparation(const PaySettings& settings, TeacherType& teacher, int64_t hours) {
  const int category = CalculatedCategory(teacher, 4);
  if (category <= 0) return;
  const bool skip_empty = settings.no_preparation_on_free_days != 0;
  const bool gather_late =
      settings.extra_lesson_distribution == 1 || settings.preparation_on_friday != 0;
  constexpr WeekdayOrder kFridayFirst = {5, 4, 3, 2, 1};
  for (int64_t n = std::min(hours, kWeekSlots); n > 0; --n) {
    const WeekdayOrder days = gather_late ? kFridayFirst : DayOrder(teacher);
    const auto placed = std::find_if(days.begin(), days.end(), [&](int day) {
      return FillDay(teacher, day, 1, category, skip_empty) == 1;
    });
    if (placed == days.end()) return;
  }
}

void ConvertExtraLessons(TeacherType& teacher, int64_t hours) {
  const int category = CalculatedCategory(teacher, 1);
  if (category <= 0 || category == kLessonCategory) return;
  for (int64_t n = std::min(hours, kWeekSlots); n > 0; --n) {
    const WeekdayOrder days = DayOrder(teacher);
    const auto day = std::find_if(days.begin(), days.end(),
                                  [&](int d) { return LatestLessonHour(teacher, d) != 0; });
    if (day == days.end()) return;
    const int hour = LatestLessonHour(teacher, *day);
    teacher.Dd(*day, hour) = category;
    teacher.Pl(*day, hour) = 1;
  }
}

}  // namespace orvanta
