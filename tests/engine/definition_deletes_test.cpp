#include "engine/definition_deletes.h"

#include "engine/class_lessons.h"
#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

class DefinitionDeletesTest : public PlacementTest {};

TEST_F(DefinitionDeletesTest, DeletingTheOnlyClassOfALessonDeletesTheLesson) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  school_.Teacher(teacher_).Clss = class_;
  DeleteClass(data(), class_);
  EXPECT_FALSE(data().classes.Has(class_));
  EXPECT_FALSE(data().commons.Has(c));
  EXPECT_EQ(school_.Teacher(teacher_).Clss, 0);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
  ExpectSound();
}

TEST_F(DefinitionDeletesTest, DeletingOneClassOfAJointLessonUnplacesItAndDropsTheClass) {
  const int second = school_.AddClass();
  const int c = school_.AddCommon(school_.AddLesson(2), {class_, second}, {teacher_}, {room_});
  PlaceHour(data(), c, 1, 1);
  DeleteClass(data(), second);
  ASSERT_TRUE(data().commons.Has(c));
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_EQ(school_.Common(c).CX, 1);
  EXPECT_EQ(school_.Common(c).CN(1), class_);
  ExpectSound();
}

TEST_F(DefinitionDeletesTest, DeletingARoomKeepsItsLessonsPlacedForTheOthers) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 3, 4);
  DeleteRoom(data(), room_);
  EXPECT_FALSE(data().rooms.Has(room_));
  EXPECT_EQ(school_.Common(c).Pt, 1);
  EXPECT_EQ(school_.Common(c).RX, 0);
  EXPECT_EQ(school_.Class(class_).Cm(3, 4), c);
  ExpectSound();
}

TEST_F(DefinitionDeletesTest, DeletingATeacherLeavesItsLessonsUnplaced) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  DeleteTeacher(data(), teacher_);
  EXPECT_FALSE(data().teachers.Has(teacher_));
  ASSERT_TRUE(data().commons.Has(c));
  EXPECT_EQ(school_.Common(c).TX, 0);
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_EQ(school_.Class(class_).Cm(1, 1), 0);
  ExpectSound();
}

TEST_F(DefinitionDeletesTest, DeletingALessonDeletesItsClassLessonsAndActivityMarks) {
  const int lesson = school_.AddLesson(2);
  const int c = school_.AddCommon(lesson, {class_}, {teacher_});
  const int kept = AddLessonOf(1);
  PlaceHour(data(), c, 1, 1);
  PlaceHour(data(), kept, 1, 2);
  school_.Class(class_).Dd(2, 2) = lesson;
  school_.Teacher(teacher_).Dd(2, 3) = lesson;
  school_.Teacher(teacher_).Dd(2, 4) = lesson + 1;
  DeleteLesson(data(), lesson);
  EXPECT_FALSE(data().lessons.Has(lesson));
  EXPECT_FALSE(data().commons.Has(c));
  EXPECT_TRUE(data().commons.Has(kept));
  EXPECT_EQ(school_.Class(class_).Dd(2, 2), 0);
  EXPECT_EQ(school_.Teacher(teacher_).Dd(2, 3), 0);
  EXPECT_EQ(school_.Teacher(teacher_).Dd(2, 4), lesson + 1);
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 2), kept);
  ExpectSound();
}

TEST_F(DefinitionDeletesTest, DeletingADutyPlaceDropsTheRecord) {
  DutyType duty{};
  duty.No = 1;
  duty.RecNo = 1;
  data().duties.Append(duty);
  DeleteDutyPlace(data(), 1);
  EXPECT_TRUE(data().duties.Empty());
}

}  // namespace
}  // namespace orvanta::testing
