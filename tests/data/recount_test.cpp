#include <gtest/gtest.h>

#include "data/list_operations.h"
#include "data/recount.h"
#include "support/school_builder.h"

namespace orvanta {
namespace {

// The recount works on whatever the grids and member lists hold, so these tests set fields by
// hand after building and then recount.
class RecountTest : public ::testing::Test {
 protected:
  // A class lesson whose own weekly hours differ from its lesson's: teachers count the class
  // lesson's hours, classes and rooms the lesson's.
  int AddCommon(int lesson, std::vector<int> classes, std::vector<int> teachers, int weekly_hours) {
    const int no = school_.AddCommon(lesson, std::move(classes), std::move(teachers));
    school_.Common(no).Wl = weekly_hours;
    return no;
  }

  testing::SchoolBuilder school_;
  SchoolData& data_ = school_.data();
};

TEST_F(RecountTest, ClassHoursAndLoads) {
  const int clss = school_.AddClass();
  const int teacher = school_.AddTeacher();
  AddCommon(school_.AddLesson(4), {clss}, {teacher}, 3);  // the lesson's hours count for classes
  AddCommon(school_.AddLesson(2), {clss}, {}, 2);
  RecountAll(data_);
  const ClssType& c = *data_.classes.Find(clss);
  EXPECT_EQ(c.DAT, 35);  // days 1..5 of hours 1..7
  EXPECT_EQ(c.LET, 6);
  EXPECT_EQ(c.TLE, 4);
  EXPECT_EQ(data_.teachers.Find(teacher)->LET, 3);  // teachers count the class lesson's own
}

TEST_F(RecountTest, TeacherLoadIsKeptInOneByte) {
  const int clss = school_.AddClass();
  const int teacher = school_.AddTeacher();
  const int lesson = school_.AddLesson(1);
  for (int i = 0; i < 26; ++i) AddCommon(lesson, {clss}, {teacher}, 10);
  RecountAll(data_);
  EXPECT_EQ(data_.teachers.Find(teacher)->LET, 4);
}

TEST_F(RecountTest, DayWithoutLessonsHasNoUsableSlotsEvenWhereOccupied) {
  const int clss = school_.AddClass();
  ClssType& c = *data_.classes.Find(clss);
  c.LC1(2) = 0;
  c.Cm(2, 3) = 9;
  c.Mv(1, 4) = false;  // closed and free
  c.Mv(1, 5) = false;
  c.Cm(1, 5) = 9;  // closed but occupied (a fixed lesson) stays usable
  RecountAll(data_);
  const ClssType& r = *data_.classes.Find(clss);
  EXPECT_FALSE(r.Lm(2, 3));
  EXPECT_FALSE(r.Lm(1, 4));
  EXPECT_TRUE(r.Lm(1, 5));
  EXPECT_TRUE(r.Lm(1, 7));
  EXPECT_FALSE(r.Lm(1, 8));
  EXPECT_EQ(r.DAT, 28);
}

TEST_F(RecountTest, ClassLessonWithoutClassesKeepsEveryHour) {
  const int common = AddCommon(school_.AddLesson(2), {}, {}, 2);
  RecountAll(data_);
  const CommonType& c = *data_.commons.Find(common);
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(c.LC1(d), 1);
    EXPECT_EQ(c.LC2(d), 18);
    for (int h = 1; h <= 18; ++h) EXPECT_TRUE(c.Lm(d, h));
  }
}

TEST_F(RecountTest, JointLessonUsesTheHoursAllItsClassesHave) {
  const int a = school_.AddClass();
  const int b = school_.AddClass();
  data_.classes.Find(b)->LC1(1) = 3;
  const int teacher = school_.AddTeacher();
  const int common = AddCommon(school_.AddLesson(2), {a, b}, {teacher}, 2);
  data_.teachers.Find(teacher)->Mv(1, 4) = false;
  RecountAll(data_);
  EXPECT_EQ(data_.commons.Find(common)->LC1(1), 3);
  EXPECT_EQ(data_.commons.Find(common)->LC2(1), 7);
  const TeacherType& t = *data_.teachers.Find(teacher);
  EXPECT_EQ(t.LC1(1), 3);
  EXPECT_EQ(t.LC1(2), 1);
  EXPECT_EQ(t.LC2(6), 0);
  EXPECT_EQ(t.DAT, 5 + 4 * 7 - 1);  // one closed free hour inside the span
}

TEST_F(RecountTest, RoomsTakeTheMaskOfTheirClassLessons) {
  const int clss = school_.AddClass();
  RoomType room = SetDefaults(data_.rooms);
  Insert(data_, room);
  const int common = AddCommon(school_.AddLesson(3), {clss}, {school_.AddTeacher()}, 3);
  CommonType& c = *data_.commons.Find(common);
  c.RX = 1;
  c.RN(1) = room.No;
  RecountAll(data_);
  const RoomType& r = *data_.rooms.Find(room.No);
  EXPECT_EQ(r.LET, 3);
  EXPECT_EQ(r.TLE, 3);
  EXPECT_EQ(r.LC1(1), 1);
  EXPECT_EQ(r.LC2(1), 7);
  EXPECT_EQ(r.LC1(6), 0);
}

TEST_F(RecountTest, ReferencesToMissingRecordsAreSkipped) {
  const int clss = school_.AddClass();
  const int common = AddCommon(school_.AddLesson(2), {clss, 4321}, {77}, 2);
  data_.commons.Find(common)->Le = 4999;
  data_.commons.Find(common)->CX = 2;
  RecountAll(data_);
  EXPECT_EQ(data_.classes.Find(clss)->LET, 0);
}

}  // namespace
}  // namespace orvanta
