#include "engine/fixed_positions.h"

#include <gmock/gmock.h>

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

using Blocks = std::vector<std::pair<int, int>>;

class FixedPositionsTest : public PlacementTest {
 protected:
  int LessonAt(int hours, int d, int h) {
    const int c = AddLessonOf(hours);
    CommonType& common = school_.Common(c);
    common.spr = 1;
    common.spr_d = d;
    common.spr_h = h;
    return c;
  }
};

TEST_F(FixedPositionsTest, PlacesTheLessonAsOneFixedBlockWhateverTheSlotsSay) {
  const int c = LessonAt(3, 2, 4);
  school_.Teacher(teacher_).Mv(2, 5) = false;  // closed
  school_.Teacher(teacher_).Dd(2, 6) = 2;      // a pay mark
  EXPECT_TRUE(PlaceFixedPositions(data()).empty());
  EXPECT_EQ(Day(c, 2), (Blocks{{0, 0}, {0, 0}, {0, 0}, {4, 3}, {4, 3}, {4, 3}, {0, 0}, {0, 0}}));
  for (int h = 4; h <= 6; ++h) {
    EXPECT_FALSE(school_.Class(class_).Mv(2, h));
    EXPECT_FALSE(school_.Room(room_).Mv(2, h));
  }
  ExpectSound();
}

TEST_F(FixedPositionsTest, DoesNothingForALessonWithPlacedHours) {
  const int c = LessonAt(3, 2, 4);
  PlaceHour(data(), c, 1, 1);
  EXPECT_TRUE(PlaceFixedPositions(data()).empty());
  EXPECT_EQ(school_.Common(c).Pt, 1);
  EXPECT_EQ(school_.Common(c).LH(2, 4), 0);
}

TEST_F(FixedPositionsTest, NeedsAllThreePositionFields) {
  const int c = LessonAt(2, 1, 1);
  school_.Common(c).spr = 0;
  PlaceFixedPositions(data());
  EXPECT_EQ(school_.Common(c).Pt, 0);
}

TEST_F(FixedPositionsTest, SkipsHoursPastTheGridAndHoursHeldByAnotherLesson) {
  const int late = LessonAt(3, 1, 17);
  const int blocked = LessonAt(3, 2, 1);
  const int other = school_.AddCommon(school_.AddLesson(1), {school_.AddClass()}, {}, {room_});
  PlaceHour(data(), other, 2, 2);
  EXPECT_THAT(
      PlaceFixedPositions(data()),
      ::testing::UnorderedElementsAre(SkippedHour{late, 1, 19}, SkippedHour{blocked, 2, 2}));
  EXPECT_EQ(school_.Common(late).Pt, 2);
  EXPECT_EQ(school_.Common(blocked).Pt, 2);
  EXPECT_EQ(school_.Room(room_).Cm(2, 2), other);
  ExpectSound();
}

TEST_F(FixedPositionsTest, SkipsADayOutsideTheWeek) {
  const int c = LessonAt(2, 8, 1);
  EXPECT_EQ(PlaceFixedPositions(data()), (std::vector<SkippedHour>{{c, 8, 1}, {c, 8, 2}}));
  ExpectSound();
}

class RebuildTest : public PlacementTest {};

TEST_F(RebuildTest, PlacesEveryHourNamedInTheTeachersGrids) {
  const int c =
      school_.AddCommon(school_.AddLesson(3), {class_}, {teacher_, other_teacher_}, {room_});
  for (const int t : {teacher_, other_teacher_}) {
    for (const int h : {2, 3}) school_.Teacher(t).Cm(1, h) = c;
  }
  school_.Teacher(teacher_).Cm(4, 1) = c;
  EXPECT_TRUE(RebuildFromTeacherGrids(data()).empty());
  EXPECT_EQ(school_.Common(c).Pt, 3);
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {2, 2}, {2, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(school_.Teacher(other_teacher_).Cm(4, 1), c);
  EXPECT_EQ(school_.Teacher(other_teacher_).PUT, 3);
  EXPECT_EQ(school_.Class(class_).Cm(1, 3), c);
  ExpectSound();
}

TEST_F(RebuildTest, ClearsSlotsThatCannotBePlaced) {
  const int c = AddLessonOf(2);
  const int elsewhere = school_.AddCommon(school_.AddLesson(2), {class_}, {other_teacher_});
  PlaceHour(data(), elsewhere, 1, 1);
  PlaceHour(data(), elsewhere, 1, 3);
  school_.Teacher(teacher_).Cm(1, 1) = c;          // the class has elsewhere then
  school_.Teacher(teacher_).Cm(1, 2) = 4999;       // no such class lesson
  school_.Teacher(teacher_).Cm(1, 3) = elsewhere;  // placed, but not with this teacher
  EXPECT_EQ(RebuildFromTeacherGrids(data()),
            (std::vector<SkippedHour>{{c, 1, 1}, {4999, 1, 2}, {elsewhere, 1, 3}}));
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 1), 0);
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 2), 0);
  EXPECT_EQ(school_.Teacher(teacher_).Cm(1, 3), 0);
  EXPECT_EQ(school_.Class(class_).Cm(1, 1), elsewhere);
  ExpectSound();
}

TEST_F(RebuildTest, ChangesNothingOnASoundPlacement) {
  const int c = AddLessonOf(2);
  PlaceHour(data(), c, 1, 1);
  PlaceHour(data(), c, 1, 2);
  const CommonType before = school_.Common(c);
  EXPECT_TRUE(RebuildFromTeacherGrids(data()).empty());
  EXPECT_EQ(school_.Common(c).Pt, before.Pt);
  EXPECT_EQ(school_.Teacher(teacher_).PUT, 2);
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
