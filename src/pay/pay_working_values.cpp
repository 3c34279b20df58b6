#include "pay/pay_working_values.h"

#include <algorithm>

#include "pay/pay_codes.h"
#include "pay/pay_sums.h"

namespace orvanta {
namespace {

int64_t WeightedBase(const PaySettings& settings, const TeacherType& teacher) {
  int64_t base = 0;
  for (int category = 1; category <= kPayCategories; ++category) {
    const int weight = settings.categories(category).base_weight;
    if (weight != 0) base += WeekSlotValues(teacher, category) * weight;
  }
  return base;
}

int64_t GuidanceHours(const PaySettings& settings, const PayWorkingValues& values,
                      bool has_guidance) {
  if (!has_guidance) return 0;
  if (!settings.guidance_needs_salary_hours) return 2;
  if (values.lessons + 1 < values.quota) return 0;
  return values.lessons + 1 == values.quota ? 1 : 2;
}

}  // namespace

PayWorkingValues ComputePayWorkingValues(const PaySettings& settings, const TeacherType& teacher) {
  PayWorkingValues values;
  values.quota = teacher.PX1(1);
  values.divisor = teacher.PX1(2);
  values.lessons = WeekSlotValues(teacher, kLessonCategory);
  values.weighted_base = WeightedBase(settings, teacher);

  const bool has_guidance = WeekSlotValues(teacher, kGuidanceCategory) > 0;
  values.guidance_hours = GuidanceHours(settings, values, has_guidance);
  values.club_hours = !has_guidance && teacher.PX1(5) > 0 && values.lessons > 0 ? 2 : 0;
  values.preparation_hours = values.divisor > 0 ? values.weighted_base / values.divisor : 0;

  values.extra_hours = std::max<int64_t>(values.lessons - values.quota, 0);
  const int64_t cap = teacher.PX1(4);
  if (cap > 0) values.extra_hours = std::min(values.extra_hours, cap);
  return values;
}

}  // namespace orvanta
