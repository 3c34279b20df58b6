#include "engine/hour_operations.h"

#include "engine/placement_fixture.h"
#include "engine/placement_tests.h"

namespace orvanta::testing {
namespace {

using Blocks = std::vector<std::pair<int, int>>;

class HourOperationsTest : public PlacementTest {};

TEST_F(HourOperationsTest, HoursTwoFourThreeMergeIntoOneBlock) {
  const int c = AddLessonOf(4);
  for (const int h : {2, 4, 3}) ASSERT_TRUE(PlaceHour(data(), c, 1, h));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {2, 3}, {2, 3}, {2, 3}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  for (int h = 2; h <= 4; ++h) EXPECT_EQ(school_.Common(c).LD(1, h), 1);
  ExpectSound();
}

TEST_F(HourOperationsTest, AnHourBeforeALongerBlockJoinsIt) {
  const int c = AddLessonOf(4);
  for (const int h : {4, 5, 3}) ASSERT_TRUE(PlaceHour(data(), c, 1, h));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {0, 0}, {3, 3}, {3, 3}, {3, 3}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

TEST_F(HourOperationsTest, RemovingTheMiddleHourSplitsTheBlock) {
  const int c = AddLessonOf(4);
  for (const int h : {2, 4, 3}) PlaceHour(data(), c, 1, h);
  ASSERT_TRUE(RemoveHour(data(), c, 1, 3));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {2, 1}, {0, 0}, {4, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

TEST_F(HourOperationsTest, RemovingAnEndHourShortensTheBlock) {
  const int c = AddLessonOf(5);
  for (int h = 1; h <= 4; ++h) PlaceHour(data(), c, 2, h);
  RemoveHour(data(), c, 2, 1);
  RemoveHour(data(), c, 2, 4);
  EXPECT_EQ(Day(c, 2), (Blocks{{0, 0}, {2, 2}, {2, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

TEST_F(HourOperationsTest, PlacingCountsForEveryMemberButClassAndRoomDays) {
  const int c = AddLessonOf(3);
  PlaceHour(data(), c, 3, 2);
  PlaceHour(data(), c, 3, 5);
  EXPECT_EQ(school_.Common(c).Pt, 2);
  EXPECT_EQ(school_.Common(c).LTP(3), 2);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 2);
  EXPECT_EQ(school_.Teacher(teacher_).LTP(3), 2);
  EXPECT_EQ(school_.Class(class_).PUT, 2);
  EXPECT_EQ(school_.Room(room_).PUT, 2);
  EXPECT_EQ(school_.Class(class_).LTP(3), 0);
  EXPECT_EQ(school_.Room(room_).LTP(3), 0);
  EXPECT_EQ(school_.Class(class_).Cm(3, 5), c);
}

TEST_F(HourOperationsTest, RemovingClearsTheTeachersMarkInTheSlot) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  school_.Teacher(teacher_).Dd(1, 1) = 4;
  RemoveHour(data(), c, 1, 1);
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 1), 0);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
  ExpectSound();
}

TEST_F(HourOperationsTest, PlaceHourRefusesASlotHeldByAnotherLessonOrOutsideTheGrid) {
  const int c = AddLessonOf(2);
  const int other = school_.AddCommon(school_.AddLesson(2), {school_.AddClass()}, {teacher_});
  ASSERT_TRUE(PlaceHour(data(), other, 1, 1));
  EXPECT_FALSE(PlaceHour(data(), c, 1, 1));  // the teacher is busy
  EXPECT_FALSE(PlaceHour(data(), c, 8, 1));
  EXPECT_FALSE(PlaceHour(data(), c, 1, 19));
  EXPECT_FALSE(PlaceHour(data(), c, 1, 0));
  ASSERT_TRUE(PlaceHour(data(), c, 1, 2));
  EXPECT_FALSE(PlaceHour(data(), c, 1, 2));  // already there
  EXPECT_EQ(school_.Common(c).Pt, 1);
  ExpectSound();
}

TEST_F(HourOperationsTest, RemoveHourRefusesASlotTheLessonDoesNotOccupy) {
  const int c = AddLessonOf(2);
  EXPECT_FALSE(RemoveHour(data(), c, 1, 1));
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
}

TEST_F(HourOperationsTest, RemoveAllHoursUnplacesFixedBlocksAndReopensThem) {
  const int c = AddLessonOf(4);
  for (const int h : {1, 2, 5}) PlaceHour(data(), c, 1, h);
  SetBlockMovable(data(), c, 1, 2, false);
  RemoveAllHours(data(), c);
  EXPECT_EQ(school_.Common(c).Pt, 0);
  for (int h = 1; h <= 5; ++h) {
    EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, h));
    EXPECT_TRUE(school_.Class(class_).Mv(1, h));
    EXPECT_TRUE(school_.Room(room_).Mv(1, h));
  }
  ExpectSound();
}

TEST_F(HourOperationsTest, SetBlockMovableCoversTheWholeBlockOnly) {
  const int c = AddLessonOf(4);
  for (const int h : {1, 2, 3, 5}) PlaceHour(data(), c, 1, h);
  SetBlockMovable(data(), c, 1, 2, false);
  for (int h = 1; h <= 3; ++h) EXPECT_FALSE(school_.Room(room_).Mv(1, h)) << h;
  EXPECT_TRUE(school_.Room(room_).Mv(1, 5));
  SetBlockMovable(data(), c, 1, 4, false);  // a free slot: nothing
  EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, 4));
}

TEST_F(HourOperationsTest, JointLessonWritesEveryMember) {
  const int second_class = school_.AddClass();
  const int c = school_.AddCommon(school_.AddLesson(2), {class_, second_class},
                                  {teacher_, other_teacher_}, {room_});
  PlaceHour(data(), c, 4, 6);
  for (const int t : {teacher_, other_teacher_}) EXPECT_EQ(school_.Teacher(t).Cm(4, 6), c);
  for (const int k : {class_, second_class}) EXPECT_EQ(school_.Class(k).Cm(4, 6), c);
  ExpectSound();
}

TEST_F(HourOperationsTest, ALessonWithoutClassesMergesOnItsOwnGrid) {
  const int c = school_.AddCommon(school_.AddLesson(3), {}, {teacher_});
  for (const int h : {3, 5, 4}) ASSERT_TRUE(PlaceHour(data(), c, 1, h));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {0, 0}, {3, 3}, {3, 3}, {3, 3}, {0, 0}, {0, 0}, {0, 0}}));
  RemoveHour(data(), c, 1, 4);
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {0, 0}, {3, 1}, {0, 0}, {5, 1}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

TEST_F(HourOperationsTest, MembersThatDoNotExistOrRepeatAreSkipped) {
  const int c = AddLessonOf(2);
  CommonType& common = school_.Common(c);
  common.TX = 3;
  common.TN(2) = 4999;      // no such teacher
  common.TN(3) = teacher_;  // listed twice
  common.CX = 77;           // a damaged count reads as 50
  ASSERT_TRUE(PlaceHour(data(), c, 1, 1));
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 1);
  EXPECT_EQ(school_.Teacher(teacher_).LTP(1), 1);
  ASSERT_TRUE(RemoveHour(data(), c, 1, 1));
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 0);
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
