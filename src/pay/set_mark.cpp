#include "pay/set_mark.h"

#include "pay/pay_codes.h"

namespace orvanta {
namespace {

// The codes 4, 5, 6 and 8 for calculated categories 1..4. Each comparison sees the value the
// previous one left, so a code may match a later PX2 entry in turn.
int CodeOf(const TeacherType& teacher, int category) {
  constexpr int kCodes[] = {kExtraLessonCode, kGuidancePayCode, kClubCode, kPreparationCode};
  for (int k = 1; k <= 4; ++k) {
    if (category == CalculatedCategory(teacher, k)) category = kCodes[k - 1];
  }
  return category;
}

void Store(TeacherType& teacher, int day, int hour, int category, int count) {
  teacher.Dd(day, hour) = category;
  teacher.Pl(day, hour) = count;
}

// A category 1 mark may replace the teacher's own calculated marks (first_replaceable 1), a
// category 2 mark only those of guidance, club and preparation (2).
void Toggle(TeacherType& teacher, int day, int hour, int category, int first_replaceable) {
  if (teacher.Pl(day, hour) != 0) {
    Store(teacher, day, hour, 0, 0);
    return;
  }
  const int mark = teacher.Dd(day, hour);
  const bool replaceable = IsCalculatedCategory(teacher, mark, first_replaceable, 4);
  if (mark > 0 && mark != category && !replaceable) return;
  Store(teacher, day, hour, category, 1);
}

}  // namespace

void SetMark(TeacherType& teacher, int day, int hour, int digit, int category) {
  if (day < 1 || day > kDays || hour < 1 || hour > kHours) return;
  if (digit == 0 || category <= 0) {
    Store(teacher, day, hour, 0, 0);
    return;
  }
  const int code = CodeOf(teacher, category);
  switch (code) {
    case kLessonCategory:
      Toggle(teacher, day, hour, code, 1);
      return;
    case kGuidanceCategory:
      Toggle(teacher, day, hour, code, 2);
      return;
    case kExtraLessonCode:
      Store(teacher, day, hour, CalculatedCategory(teacher, 1), 1);
      return;
    case kGuidancePayCode:
      Store(teacher, day, hour, CalculatedCategory(teacher, 2), 1);
      return;
    case kClubCode:
      Store(teacher, day, hour, CalculatedCategory(teacher, 3), 1);
      return;
    case kPreparationCode:
      Store(teacher, day, hour, CalculatedCategory(teacher, 4), 1);
      return;
    default:
      Store(teacher, day, hour, code, digit);
  }
}

}  // namespace orvanta
