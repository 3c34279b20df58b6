#include "pay/pay_recount.h"

#include "pay/pay_codes.h"
#include "pay/pay_distribution.h"
#include "pay/pay_sums.h"
#include "pay/pay_working_values.h"

namespace orvanta {
namespace {

// The fixed categories 1..3 are never taken back, whatever PX2 holds.
bool IsOwnCalculatedMark(const TeacherType& teacher, int mark, int first, int last) {
  return mark > kSalaryCategory && IsCalculatedCategory(teacher, mark, first, last);
}

void ClearSlot(TeacherType& teacher, int day, int hour) {
  teacher.Dd(day, hour) = 0;
  teacher.Pl(day, hour) = 0;
}

void MarkLesson(TeacherType& teacher, int day, int hour) {
  teacher.Dd(day, hour) = kLessonCategory;
  teacher.Pl(day, hour) = 1;
}

// Takes back what an earlier recount placed. Each test sees the slot as the previous one left
// it. The codes 4, 5, 6 and 8 are handled whatever the teacher's PX2 says, and so are the
// teacher's own PX2 categories, so that marks of a teacher with other calculated categories do
// not pile up from one recount to the next.
void ResetSlot(TeacherType& teacher, int day, int hour) {
  auto has_value = [&](int category) { return SlotValue(teacher, day, category, hour) > 0; };
  if (has_value(kClubCode)) ClearSlot(teacher, day, hour);
  if (has_value(kExtraLessonCode)) MarkLesson(teacher, day, hour);
  if (has_value(kGuidancePayCode)) ClearSlot(teacher, day, hour);
  const int mark = teacher.Dd(day, hour);
  if (has_value(mark) && IsOwnCalculatedMark(teacher, mark, 2, 4)) ClearSlot(teacher, day, hour);
  if (has_value(mark) && IsOwnCalculatedMark(teacher, mark, 1, 1)) MarkLesson(teacher, day, hour);
  if (has_value(kPreparationCode)) ClearSlot(teacher, day, hour);
  if (has_value(kSalaryCategory)) MarkLesson(teacher, day, hour);
}

}  // namespace

void PayRecount(const PaySettings& settings, TeacherType& teacher) {
  for (int day = 1; day <= kDays; ++day) {
    for (int hour = 1; hour <= kHours; ++hour) ResetSlot(teacher, day, hour);
  }
  const PayWorkingValues values = ComputePayWorkingValues(settings, teacher);
  DistributeGuidance(settings, teacher, values.guidance_hours);
  DistributeClub(settings, teacher, values.club_hours);
  DistributePreparation(settings, teacher, values.preparation_hours);
  ConvertExtraLessons(teacher, values.extra_hours);
}

void PayRecountTeacher(SchoolData& data, int teacher_no) {
  if (TeacherType* teacher = data.teachers.Find(teacher_no))
    PayRecount(data.pay_settings, *teacher);
}

void PayRecountAll(SchoolData& data) {
  for (TeacherType& teacher : data.teachers) PayRecount(data.pay_settings, teacher);
}

}  // namespace orvanta
