#include "engine/member_edits.h"

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

using Blocks = std::vector<std::pair<int, int>>;

class MemberEditsTest : public PlacementTest {
 protected:
  // A four-hour class lesson placed on Monday 1..4 and fixed.
  int PlacedFixedLesson() {
    const int c = AddLessonOf(4);
    for (int h = 1; h <= 4; ++h) PlaceHour(data(), c, 1, h);
    SetBlockMovable(data(), c, 1, 1, false);
    return c;
  }
};

TEST_F(MemberEditsTest, AddTeacherDropsTheHoursTheNewTeacherCannotTake) {
  const int c = PlacedFixedLesson();
  const int busy = school_.AddCommon(school_.AddLesson(1), {school_.AddClass()}, {other_teacher_});
  PlaceHour(data(), busy, 1, 3);
  ASSERT_TRUE(AddTeacher(data(), c, other_teacher_));
  EXPECT_EQ(school_.Common(c).Pt, 3);
  EXPECT_EQ(Day(c, 1), (Blocks{{1, 2}, {1, 2}, {0, 0}, {4, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(school_.Common(c).TX, 2);
  EXPECT_EQ(school_.Common(c).TN(2), other_teacher_);
  for (const int h : {1, 2, 4}) {
    EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, h)) << h;
    EXPECT_EQ(school_.Teacher(other_teacher_).Cm(1, h), c) << h;
  }
  ExpectSound();
}

TEST_F(MemberEditsTest, AddTeacherDropsHoursTheTeacherHasClosedOrMarked) {
  const int c = PlacedFixedLesson();
  school_.Teacher(other_teacher_).Mv(1, 1) = false;
  school_.Teacher(other_teacher_).Dd(1, 2) = 3;
  ASSERT_TRUE(AddTeacher(data(), c, other_teacher_));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {0, 0}, {3, 2}, {3, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

TEST_F(MemberEditsTest, AddRoomToAnUnplacedLessonOnlyAppends) {
  const int c = school_.AddCommon(school_.AddLesson(2), {class_}, {teacher_});
  const int second_room = school_.AddRoom();
  ASSERT_TRUE(AddRoom(data(), c, room_));
  ASSERT_TRUE(AddRoom(data(), c, second_room));
  EXPECT_EQ(school_.Common(c).RX, 2);
  EXPECT_EQ(school_.Common(c).RN(2), second_room);
  EXPECT_FALSE(AddRoom(data(), c, room_));  // already there
  EXPECT_FALSE(AddRoom(data(), c, 4999));   // no such room
  EXPECT_EQ(school_.Common(c).RX, 2);
}

TEST_F(MemberEditsTest, AddTeacherRefusesAFullList) {
  const int c = AddLessonOf(1);
  school_.Common(c).TX = kMaxMembers;
  EXPECT_FALSE(AddTeacher(data(), c, other_teacher_));
  EXPECT_EQ(school_.Common(c).TX, kMaxMembers);
}

TEST_F(MemberEditsTest, RemoveTeacherUnplacesTheLessonCompletely) {
  const int c = PlacedFixedLesson();
  ASSERT_TRUE(AddTeacher(data(), c, other_teacher_));
  RemoveTeacher(data(), c, teacher_);
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_EQ(school_.Common(c).TX, 1);
  EXPECT_EQ(school_.Common(c).TN(1), other_teacher_);
  EXPECT_EQ(school_.Common(c).TN(2), 0);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
  EXPECT_EQ(school_.Teacher(teacher_).LET, 0);  // recounted
  ExpectSound();
}

TEST_F(MemberEditsTest, RemoveClassOfAJointLessonUnplacesItAndDropsOnlyThatClass) {
  const int second = school_.AddClass();
  const int c = school_.AddCommon(school_.AddLesson(2), {class_, second}, {teacher_});
  PlaceHour(data(), c, 1, 1);
  RemoveClass(data(), c, class_);
  ASSERT_TRUE(data().commons.Has(c));
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_EQ(school_.Common(c).CX, 1);
  EXPECT_EQ(school_.Common(c).CN(1), second);
  ExpectSound();
}

TEST_F(MemberEditsTest, RemovingTheOnlyClassDeletesTheLesson) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  RemoveClass(data(), c, class_);
  EXPECT_FALSE(data().commons.Has(c));
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 1), 0);
  ExpectSound();
}

TEST_F(MemberEditsTest, RemoveRoomClearsEveryCellOfTheRoomAndKeepsTheLessonPlaced) {
  const int c = PlacedFixedLesson();
  PlaceHour(data(), c, 1, 18);  // beyond the hour rows a screen shows
  school_.Common(c).Wl = 6;
  PlaceHour(data(), c, 7, 1);  // on a day not in use
  RemoveRoom(data(), c, room_);
  const RoomType& room = school_.Room(room_);
  EXPECT_EQ(room.PUT, 0);
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      EXPECT_EQ(room.Cm(d, h), 0);
      EXPECT_TRUE(room.Mv(d, h));  // the fixing went with the lesson
    }
  }
  EXPECT_EQ(school_.Common(c).Pt, 6);
  EXPECT_EQ(school_.Common(c).RX, 0);
  EXPECT_FALSE(school_.Class(class_).Mv(1, 2));  // still fixed for the class
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
