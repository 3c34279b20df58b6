#include "engine/placement_tests.h"

#include <functional>

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

class PlacementTestsTest : public PlacementTest {};

// Each row changes the school of a two-hour class lesson with one hour placed at (1, 1), then
// asks CanPlaceHour for (1, 3).
struct CanPlaceCase {
  const char* name;
  std::function<void(SchoolBuilder&, int common, int teacher, int clss, int room)> change;
  bool expected;
};

TEST_F(PlacementTestsTest, CanPlaceHour) {
  const CanPlaceCase cases[] = {
      {"open and free", [](auto&, int, int, int, int) {}, true},
      {"weekly hours placed", [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).Wl = 1; },
       false},
      {"teacher pay mark",
       [](SchoolBuilder& s, int, int t, int, int) { s.Teacher(t).Dd(1, 3) = 2; }, false},
      {"teacher mark 0 or below",
       [](SchoolBuilder& s, int, int t, int, int) { s.Teacher(t).Dd(1, 3) = -1; }, true},
      {"teacher closed",
       [](SchoolBuilder& s, int, int t, int, int) { s.Teacher(t).Mv(1, 3) = false; }, false},
      {"class closed", [](SchoolBuilder& s, int, int, int k, int) { s.Class(k).Mv(1, 3) = false; },
       false},
      {"room closed", [](SchoolBuilder& s, int, int, int, int r) { s.Room(r).Mv(1, 3) = false; },
       false},
      {"class activity does not stop it",
       [](SchoolBuilder& s, int, int, int k, int) { s.Class(k).Dd(1, 3) = 9; }, true},
      {"room busy", [](SchoolBuilder& s, int, int, int, int r) { s.Room(r).Cm(1, 3) = 99; }, false},
      {"before the usable span",
       [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LC1(1) = 4; }, false},
      {"after the usable span",
       [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LC2(1) = 2; }, false},
      {"no usable hour that day",
       [](SchoolBuilder& s, int c, int, int, int) {
         s.Common(c).LC1(1) = 0;
         s.Common(c).LC2(1) = 0;
       },
       false},
  };
  for (const CanPlaceCase& row : cases) {
    SchoolBuilder school;
    const int clss = school.AddClass();
    const int teacher = school.AddTeacher();
    const int room = school.AddRoom();
    const int c = school.AddCommon(school.AddLesson(2), {clss}, {teacher}, {room});
    PlaceHour(school.data(), c, 1, 1);
    row.change(school, c, teacher, clss, room);
    EXPECT_EQ(CanPlaceHour(school.data(), c, 1, 3), row.expected) << row.name;
  }
}

TEST_F(PlacementTestsTest, CanPlaceHourIsFalseOutsideTheGridAndForUnknownLessons) {
  const int c = AddLessonOf(2);
  EXPECT_FALSE(CanPlaceHour(data(), c, 0, 1));
  EXPECT_FALSE(CanPlaceHour(data(), c, 1, 19));
  EXPECT_FALSE(CanPlaceHour(data(), 4321, 1, 1));
}

TEST_F(PlacementTestsTest, ALessonWithoutMembersCannotTakeASlotTwice) {
  const int c = school_.AddCommon(school_.AddLesson(3), {});
  ASSERT_TRUE(CanPlaceHour(data(), c, 1, 1));
  PlaceHour(data(), c, 1, 1);
  EXPECT_FALSE(CanPlaceHour(data(), c, 1, 1));
}

TEST_F(PlacementTestsTest, BlockTestsLookAtEveryHourOfTheBlock) {
  const int c = AddLessonOf(4);
  EXPECT_TRUE(HoursOpen(data(), c, 1, 1, 4));
  EXPECT_TRUE(BlockFree(data(), c, 1, 1, 4));
  school_.Room(room_).Mv(1, 4) = false;
  school_.Class(class_).Cm(1, 3) = 77;
  EXPECT_FALSE(HoursOpen(data(), c, 1, 1, 4));
  EXPECT_TRUE(HoursOpen(data(), c, 1, 1, 3));
  EXPECT_FALSE(BlockFree(data(), c, 1, 1, 3));
  EXPECT_FALSE(HoursFree(data(), c, 1, 2, 2));
  EXPECT_TRUE(HoursFree(data(), c, 1, 1, 2));
  EXPECT_FALSE(BlockFree(data(), c, 1, 17, 3));  // past hour 18
  EXPECT_TRUE(BlockFree(data(), c, 1, 16, 3));
}

TEST_F(PlacementTestsTest, HasTeacherAndHasRoom) {
  const int none = school_.AddCommon(school_.AddLesson(1), {class_});
  const int c = AddLessonOf(1);
  EXPECT_EQ(HasTeacher(data(), none, teacher_), 0);
  EXPECT_EQ(HasTeacher(data(), c, teacher_), 1);
  EXPECT_EQ(HasTeacher(data(), c, other_teacher_), 2);
  EXPECT_EQ(HasRoom(data(), none, room_), 0);
  EXPECT_EQ(HasRoom(data(), c, room_), 1);
  EXPECT_EQ(HasRoom(data(), c, school_.AddRoom()), 2);
}

}  // namespace
}  // namespace orvanta::testing
