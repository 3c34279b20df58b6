#include "engine/manual_placement.h"

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

class ManualPlacementTest : public PlacementTest {
 protected:
  // A fixed block of hours 1..3 on Monday.
  int FixedBlock() {
    const int c = AddLessonOf(3);
    for (int h = 1; h <= 3; ++h) PlaceHour(data(), c, 1, h);
    SetBlockMovable(data(), c, 1, 1, false);
    return c;
  }
};

TEST_F(ManualPlacementTest, DoubleClickOnAFreeSlotPlacesTheSelectedLesson) {
  const int c = AddLessonOf(2);
  EXPECT_TRUE(ManualDoubleClick(data(), EntityKind::kTeacher, teacher_, 2, 3, c));
  EXPECT_EQ(school_.Class(class_).Cm(2, 3), c);
  EXPECT_TRUE(ManualDoubleClick(data(), EntityKind::kRoom, room_, 2, 3, 0));  // removes it
  EXPECT_EQ(school_.Common(c).Pt, 0);
  EXPECT_FALSE(ManualDoubleClick(data(), EntityKind::kClass, class_, 2, 3, 0));  // nothing selected
  ExpectSound();
}

TEST_F(ManualPlacementTest, DoubleClickLeavesAFixedBlockWhole) {
  const int c = FixedBlock();
  for (const EntityKind kind : {EntityKind::kTeacher, EntityKind::kClass, EntityKind::kRoom}) {
    const int entity = kind == EntityKind::kTeacher ? teacher_
                       : kind == EntityKind::kClass ? class_
                                                    : room_;
    EXPECT_FALSE(ManualDoubleClick(data(), kind, entity, 1, 2, c));
  }
  EXPECT_EQ(school_.Common(c).Pt, 3);
  EXPECT_EQ(school_.Common(c).LT(1, 2), 3);
}

TEST_F(ManualPlacementTest, F8OnAnyHourUnfixesTheWholeBlockForEveryMember) {
  const int c = FixedBlock();
  ToggleClassSlot(data(), class_, 1, 3, !school_.Class(class_).Mv(1, 3));
  for (int h = 1; h <= 3; ++h) {
    EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, h));
    EXPECT_TRUE(school_.Class(class_).Mv(1, h));
    EXPECT_TRUE(school_.Room(room_).Mv(1, h));
  }
  EXPECT_TRUE(ManualDoubleClick(data(), EntityKind::kTeacher, teacher_, 1, 2, 0));
  EXPECT_EQ(school_.Common(c).Pt, 2);
  ExpectSound();
}

TEST_F(ManualPlacementTest, F8OnAFreeSlotClosesItForThatEntityOnly) {
  const int c = AddLessonOf(2);
  ToggleTeacherSlot(data(), teacher_, 1, 4, false);
  EXPECT_FALSE(school_.Teacher(teacher_).Mv(1, 4));
  EXPECT_TRUE(school_.Class(class_).Mv(1, 4));
  EXPECT_FALSE(ManualDoubleClick(data(), EntityKind::kClass, class_, 1, 4, c));
  ToggleSlot(data(), EntityKind::kTeacher, teacher_, 1, 4, true);
  EXPECT_TRUE(ManualDoubleClick(data(), EntityKind::kClass, class_, 1, 4, c));
}

TEST_F(ManualPlacementTest, F8OnASlotNamingAnUnplacedLessonTreatsItAsFree) {
  const int c = AddLessonOf(2);
  school_.Room(room_).Cm(1, 1) = c;  // a damaged grid
  ToggleRoomSlot(data(), room_, 1, 1, false);
  EXPECT_FALSE(school_.Room(room_).Mv(1, 1));
  EXPECT_TRUE(school_.Teacher(teacher_).Mv(1, 1));
}

TEST_F(ManualPlacementTest, F9TogglesAClassActivityOnFreeSlotsOnly) {
  const int activity = school_.AddLesson(1);
  ToggleClassActivity(data(), class_, 2, 2, activity);
  EXPECT_EQ(school_.Class(class_).Dd(2, 2), activity);
  ToggleClassActivity(data(), class_, 2, 2, activity);
  EXPECT_EQ(school_.Class(class_).Dd(2, 2), 0);
  const int c = AddLessonOf(1);
  PlaceHour(data(), c, 2, 3);
  ToggleClassActivity(data(), class_, 2, 3, activity);
  EXPECT_EQ(school_.Class(class_).Dd(2, 3), 0);
}

}  // namespace
}  // namespace orvanta::testing
