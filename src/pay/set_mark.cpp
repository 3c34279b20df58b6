#include "pay/set_mark.h"

#include "pay/pay_codes.h"

namespace orvanta {
namespace {

// The codes 4, 5, 6 and 8 for calculated categories 1..4. A category that equals several PX2
// entries ends at the last match, since each comparison sees the value the previous one left.
int CodeOf(const TeacherType& teacher, int category) {
  constexpr int kCodes[] = {kExtraLessonCode, kGuidancePayCode, kClubCode, kPreparationCode};
  for (int k = 1; k <= 4; ++k) {
    if (category == CalculatedCategory(teacher, k)) category = kCodes[k - 1];
  }
  return category;
}

// A category 1 mark may replace the teacher's own calculated marks; a category 2 mark only those
// of guidance, club and preparation.
bool MayReplace(const TeacherType& teacher, int mark, int first_replaceable) {
  for (int k = first_replaceable; k <= 4; ++k) {
    if (mark == CalculatedCategory(teacher, k)) return true;
  }
  return false;
}

void Store(TeacherType& teacher, int day, int hour, int category, int count) {
  teacher.Dd(day, hour) = category;
  teacher.Pl(day, hour) = count;
}

void Toggle(TeacherType& teacher, int day, int hour, int category, int first_replaceable) {
  if (teacher.Pl(day, hour) != 0) {
    Store(teacher, day, hour, 0, 0);
    return;
  }
  const int mark = teacher.Dd(day, hour);
  if (mark > 0 && mark != category && !MayReplace(teacher, mark, first_replaceable)) return;
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
