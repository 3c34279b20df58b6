#include "engine/class_lessons.h"

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

class ClassLessonsTest : public PlacementTest {};

TEST_F(ClassLessonsTest, AddClassLessonTakesTheLessonsSettings) {
  const int lesson = school_.AddLesson(5, {2, 2, 1});
  school_.Lesson(lesson).Sc = 1;
  school_.Lesson(lesson).Spr = 3;
  school_.Lesson(lesson).Dv = true;
  const int c = AddClassLesson(data(), class_, lesson);
  ASSERT_NE(c, 0);
  const CommonType& common = school_.Common(c);
  EXPECT_EQ(common.CX, 1);
  EXPECT_EQ(common.CN(1), class_);
  EXPECT_EQ(common.Le, lesson);
  EXPECT_EQ(common.Wl, 5);
  EXPECT_EQ(common.LF(2), 2);
  EXPECT_EQ(common.LF(3), 1);
  EXPECT_EQ(common.Sc, 1);
  EXPECT_EQ(common.spr, 3);
  EXPECT_TRUE(common.Dv);
  EXPECT_TRUE(common.Mv(7, 18));
  EXPECT_EQ(AddClassLesson(data(), class_, 4999), 0);
  EXPECT_EQ(AddClassLesson(data(), 4999, lesson), 0);
}

TEST_F(ClassLessonsTest, FindClassLessonFindsJointLessonsToo) {
  const int lesson = school_.AddLesson(2);
  const int second = school_.AddClass();
  EXPECT_EQ(FindClassLesson(data(), second, lesson), 0);
  const int joint = school_.AddCommon(lesson, {class_, second});
  EXPECT_EQ(FindClassLesson(data(), second, lesson), joint);
  EXPECT_EQ(FindClassLesson(data(), second, school_.AddLesson(2)), 0);
}

TEST_F(ClassLessonsTest, DeleteClassLessonClearsItsHours) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  SetBlockMovable(data(), c, 1, 1, false);
  DeleteClassLesson(data(), c);
  EXPECT_FALSE(data().commons.Has(c));
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 1), 0);
  EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, 1));
  EXPECT_EQ(school_.Room(room_).PUT, 0);
  ExpectSound();
}

TEST_F(ClassLessonsTest, SplitMakesOneUnplacedLessonPerClass) {
  const int lesson = school_.AddLesson(3);
  const int second = school_.AddClass();
  const int joint = school_.AddCommon(lesson, {class_, second}, {teacher_});
  PlaceHour(data(), joint, 2, 2);
  SplitClassLesson(data(), joint);
  int of_lesson = 0;  // the freed No is reused, so count the lesson's class lessons instead
  for (const CommonType& common : data().commons) of_lesson += common.Le == lesson ? 1 : 0;
  EXPECT_EQ(of_lesson, 2);
  for (const int k : {class_, second}) {
    const int own = FindClassLesson(data(), k, lesson);
    ASSERT_NE(own, 0);
    EXPECT_EQ(school_.Common(own).CX, 1);
    EXPECT_EQ(school_.Common(own).TX, 0);
    EXPECT_EQ(school_.Common(own).Pt, 0);
    EXPECT_EQ(school_.Class(k).LET, 3);
  }
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
