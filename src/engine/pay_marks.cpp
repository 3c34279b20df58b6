#include "engine/pay_marks.h"

#include "pay/pay_recount.h"

namespace orvanta {
namespace {

constexpr int kContractStatus = 2;  // PX1(6) of a contract teacher

// The pay category of the lesson of the class lesson numbered common_no; -1 when either is
// missing.
int PayCategoryOf(const SchoolData& data, int common_no) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr) return -1;
  const LessonType* lesson = data.lessons.Find(common->Le);
  return lesson != nullptr ? lesson->Pl : -1;
}

bool IsClearedCategory(const TeacherType& teacher, int category) {
  return category == 5 || category == 6 || category == 8 || category == teacher.PX2(2) ||
         category == teacher.PX2(3) || category == teacher.PX2(4);
}

}  // namespace

void SetPayMarks(SchoolData& data) {
  const bool contract_as_one = data.pay_settings.lesson_category_for_contract_teachers == 1;
  for (TeacherType& teacher : data.teachers) {
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) {
        if (teacher.Cm(d, h) <= 0) continue;
        int category = PayCategoryOf(data, teacher.Cm(d, h));
        if (category < 0) continue;
        if (teacher.PX1(6) == kContractStatus && category == 2 && contract_as_one) category = 1;
        teacher.Dd(d, h) = category;
        teacher.Pl(d, h) = 1;
      }
    }
  }
  for (int i = 0; i < data.teachers.Count(); ++i) {
    PayRecountTeacher(data, data.teachers.At(i).No);
  }
}

void ClearPayMarks(SchoolData& data) {
  for (TeacherType& teacher : data.teachers) {
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) {
        const int category = teacher.Dd(d, h);
        const bool lesson_mark = teacher.Cm(d, h) > 0 && category > 0;
        if (lesson_mark || IsClearedCategory(teacher, category)) {
          teacher.Dd(d, h) = 0;
          teacher.Pl(d, h) = 0;
        }
      }
    }
  }
}

}  // namespace orvanta
