#include "pay/pay_sums.h"

#include "pay/pay_codes.h"

namespace orvanta {

int64_t SlotValue(const TeacherType& teacher, int day, int category, int hour) {
  const int mark = teacher.Dd(day, hour);
  const bool counts = mark == category ||
                      (category == kLessonCategory && mark == kExtraLessonCode) ||
                      (category == kSalaryCategory && mark == kLessonCategory);
  return counts ? teacher.Pl(day, hour) : 0;
}

int64_t DaySum(const TeacherType& teacher, int day, int category) {
  int64_t sum = 0;
  for (int hour = 1; hour <= kHours; ++hour) sum += SlotValue(teacher, day, category, hour);
  return sum;
}

int64_t CategoryDaySum(const PaySettings& settings, const TeacherType& teacher, int day,
                       int category) {
  if (category < 1 || category > kPayCategories || !settings.categories(category).composite) {
    return DaySum(teacher, day, category);
  }
  const PayCategory& composite = settings.categories(category);
  int64_t sum = 0;
  for (int member = 1; member <= kPayCategories; ++member) {
    if (composite.members(member) != 0) sum += DaySum(teacher, day, member);
  }
  return sum;
}

int64_t WeekSum(const PaySettings& settings, const TeacherType& teacher, int category) {
  int64_t sum = 0;
  for (int day = 1; day <= kDays; ++day) sum += CategoryDaySum(settings, teacher, day, category);
  return sum;
}

int64_t WeekSlotValues(const TeacherType& teacher, int category) {
  int64_t sum = 0;
  for (int day = 1; day <= kDays; ++day) sum += DaySum(teacher, day, category);
  return sum;
}

int64_t DayLoad(const TeacherType& teacher, int day) {
  int64_t load = 0;
  for (int k = 1; k <= 4; ++k) load += DaySum(teacher, day, CalculatedCategory(teacher, k));
  return load;
}

}  // namespace orvanta
