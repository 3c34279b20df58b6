#include "pay/pay_fill_day.h"

#include "pay/pay_codes.h"
#include "pay/pay_sums.h"

namespace orvanta {

bool IsEmptyPayDay(const TeacherType& teacher, int day) {
  return DaySum(teacher, day, kLessonCategory) == 0 && DaySum(teacher, day, kGuidanceCategory) == 0;
}

int64_t FillDay(TeacherType& teacher, int day, int64_t hours, int category, bool skip_empty_day) {
  if (day < 1 || day > kDays) return 0;
  if (skip_empty_day && IsEmptyPayDay(teacher, day)) return 0;
  int64_t placed = 0;
  for (int hour = kHours; hour >= 1 && placed < hours; --hour) {
    if (teacher.Cm(day, hour) != 0 || teacher.Dd(day, hour) != 0) continue;
    teacher.Dd(day, hour) = category;
    teacher.Pl(day, hour) = 1;
    ++placed;
  }
  return placed;
}

}  // namespace orvanta
