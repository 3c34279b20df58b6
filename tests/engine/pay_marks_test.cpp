#include "engine/pay_marks.h"

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

class PayMarksTest : public PlacementTest {
 protected:
  // A placed hour at (1, 1) of a lesson of pay category 2.
  void PlaceCategoryTwo() {
    const int c = AddLessonOf(1);
    school_.Lesson(school_.Common(c).Le).Pl = 2;
    PlaceHour(data(), c, 1, 1);
  }
};

TEST_F(PayMarksTest, SetPayMarksMarksEveryLessonSlotWithItsCategory) {
  PlaceCategoryTwo();
  SetPayMarks(data());
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 1), 2);
  EXPECT_EQ(school_.Teacher(teacher_).Pl(1, 1), 1);
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 2), 0);
  EXPECT_EQ(school_.Teacher(teacher_).Pl(1, 2), 0);
}

TEST_F(PayMarksTest, ContractTeachersGetCategoryOneOnlyWhenThePaySettingsSaySo) {
  PlaceCategoryTwo();
  school_.Teacher(teacher_).PX1(6) = 2;
  SetPayMarks(data());
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 1), 2);
  data().pay_settings.lesson_category_for_contract_teachers = 1;
  SetPayMarks(data());
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 1), 1);
}

TEST_F(PayMarksTest, SetPayMarksSkipsSlotsNamingMissingLessons) {
  school_.Teacher(teacher_).Cm(2, 2) = 4999;
  SetPayMarks(data());
  EXPECT_EQ(school_.Teacher(teacher_).Dd(2, 2), 0);
}

TEST_F(PayMarksTest, ClearPayMarksClearsLessonMarksAndTheListedCategories) {
  PlaceCategoryTwo();
  TeacherType& teacher = school_.Teacher(teacher_);
  teacher.PX2(2) = 11;
  teacher.PX2(3) = 12;
  teacher.PX2(4) = 13;
  struct Mark {
    int h;
    int category;
    bool cleared;
  };
  const Mark marks[] = {{2, 5, true},  {3, 6, true},  {4, 8, true},  {5, 11, true},
                        {6, 12, true}, {7, 13, true}, {8, 3, false}, {9, 7, false}};
  teacher.Dd(1, 1) = 2;
  teacher.Pl(1, 1) = 1;
  for (const Mark& mark : marks) {
    teacher.Dd(1, mark.h) = mark.category;
    teacher.Pl(1, mark.h) = 1;
  }
  ClearPayMarks(data());
  EXPECT_EQ(teacher.Dd(1, 1), 0);
  EXPECT_EQ(teacher.Pl(1, 1), 0);
  for (const Mark& mark : marks) {
    EXPECT_EQ(teacher.Dd(1, mark.h), mark.cleared ? 0 : mark.category) << mark.h;
    EXPECT_EQ(teacher.Pl(1, mark.h), mark.cleared ? 0 : 1) << mark.h;
  }
}

}  // namespace
}  // namespace orvanta::testing
