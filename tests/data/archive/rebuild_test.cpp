#include "data/archive/rebuild.h"

#include <gtest/gtest.h>

#include "data/archive/school_fixture.h"
#include "engine/hour_operations.h"
#include "engine/manual_placement.h"

namespace orvanta::testing {
namespace {

class RebuildTest : public SchoolTest {
 protected:
  RebuildTest() {
    math_ = AddLesson("MATEMATİK", 4);
    physics_ = AddLesson("FİZİK", 2);
    class_a_ = AddClass("9 A");
    class_b_ = AddClass("9 B");
    teacher_ = AddTeacher("AYŞE KAYA");
    other_teacher_ = AddTeacher("ALİ VURAL");
    room_ = AddRoom("LAB");
  }

  RebuildSummary Rebuild() {
    const RebuildSummary summary = RebuildAfterDefinitionsChange(data());
    ExpectInvariants();
    return summary;
  }

  int math_, physics_, class_a_, class_b_, teacher_, other_teacher_, room_;
};

TEST_F(RebuildTest, PlacedHoursThatStillFitComeBackInTheSameSlots) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_}, {room_});
  Place(common, 1, 2, 2);
  Place(common, 3, 5);

  const RebuildSummary summary = Rebuild();

  EXPECT_EQ(summary.hours_before, 3);
  EXPECT_EQ(summary.hours_after, 3);
  EXPECT_EQ(Common(common).LH(1, 3), 2);
  EXPECT_EQ(Common(common).LT(1, 3), 2);
  EXPECT_EQ(Class(class_a_).Cm(3, 5), common);
  EXPECT_EQ(Room(room_).Cm(1, 2), common);
  EXPECT_EQ(Teacher(teacher_).PUT, 3);
  EXPECT_EQ(Teacher(teacher_).LTP(1), 2);
}

TEST_F(RebuildTest, DanglingClassTeacherLinkIsCleared) {
  Teacher(teacher_).Clss = class_b_;
  Teacher(other_teacher_).Clss = 77;
  Rebuild();
  EXPECT_EQ(Teacher(teacher_).Clss, class_b_);
  EXPECT_EQ(Teacher(other_teacher_).Clss, 0);
}

TEST_F(RebuildTest, ClassLessonWithoutTeacherLosesItsHours) {
  const int without = AddClassLesson(physics_, {class_a_});
  const int with = AddClassLesson(math_, {class_b_}, {teacher_});
  Place(without, 2, 1, 2);
  Place(with, 2, 1, 2);

  Rebuild();

  EXPECT_EQ(Common(without).Pt, 0);
  EXPECT_EQ(Class(class_a_).Cm(2, 1), 0);
  EXPECT_EQ(Class(class_a_).PUT, 0);
  EXPECT_EQ(Common(with).Pt, 2);
}

TEST_F(RebuildTest, JointLessonOfTwoTeachersIsPlacedOnce) {
  const int joint = AddClassLesson(math_, {class_a_, class_b_}, {teacher_, other_teacher_});
  Place(joint, 4, 3, 2);
  Rebuild();
  EXPECT_EQ(Common(joint).Pt, 2);
  EXPECT_EQ(Teacher(other_teacher_).PUT, 2);
  EXPECT_EQ(Class(class_b_).PUT, 2);
}

TEST_F(RebuildTest, HoursOutsideANarrowedWindowStayUnplaced) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(common, 1, 2);
  Place(common, 1, 6, 2);
  Class(class_a_).LC2(1) = 5;

  const RebuildSummary summary = Rebuild();

  EXPECT_EQ(summary.hours_after, 1);
  EXPECT_EQ(Common(common).LD(1, 2), 1);
  EXPECT_EQ(Teacher(teacher_).Cm(1, 6), 0);
}

// A teacher added to a placed lesson behind the core's back holds two lessons in one slot: only
// the first one the journal offers comes back.
TEST_F(RebuildTest, ConflictingHoursComeBackOnce) {
  const int math = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(math, 2, 3);
  const int physics = AddClassLesson(physics_, {class_b_}, {other_teacher_});
  Place(physics, 2, 3);
  Common(physics).TN(2) = teacher_;  // a second teacher added behind the core's back
  Common(physics).TX = 2;

  Rebuild();

  EXPECT_EQ(Common(math).Pt, 1);
  EXPECT_EQ(Common(physics).Pt, 0);
}

TEST_F(RebuildTest, ClosedAndFixedSlotsAreClosedAndFixedAgain) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_}, {room_});
  Place(common, 1, 1, 2);
  SetBlockMovable(data(), common, 1, 1, false);
  Class(class_a_).Mv(3, 4) = Boolean{0};
  Teacher(teacher_).Mv(5, 7) = Boolean{0};
  Room(room_).Mv(2, 2) = Boolean{0};

  Rebuild();

  EXPECT_FALSE(Class(class_a_).Mv(3, 4));
  EXPECT_FALSE(Teacher(teacher_).Mv(5, 7));
  EXPECT_FALSE(Room(room_).Mv(2, 2));
  EXPECT_EQ(Common(common).Pt, 2);
  for (int h = 1; h <= 2; ++h) {
    EXPECT_FALSE(Class(class_a_).Mv(1, h)) << "fixed again for every member";
    EXPECT_FALSE(Teacher(teacher_).Mv(1, h));
    EXPECT_FALSE(Room(room_).Mv(1, h));
  }
  EXPECT_TRUE(Class(class_a_).Mv(1, 3));
}

TEST_F(RebuildTest, MarksOfFreeSlotsComeBack) {
  const int activity = AddLesson("REHBERLİK", 0);
  Teacher(teacher_).Dd(2, 8) = 30;
  Teacher(teacher_).Pl(2, 8) = 3;
  Class(class_a_).Dd(4, 1) = activity;

  Rebuild();

  EXPECT_EQ(Teacher(teacher_).Dd(2, 8), 30);
  EXPECT_EQ(Teacher(teacher_).Pl(2, 8), 3);
  EXPECT_EQ(Class(class_a_).Dd(4, 1), activity);
}

TEST_F(RebuildTest, HoursOfDeletedClassLessonsAreCleared) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(common, 1, 1, 2);
  data().commons.Delete(common);

  Rebuild();

  EXPECT_EQ(Teacher(teacher_).Cm(1, 1), 0);
  EXPECT_EQ(Class(class_a_).Cm(1, 2), 0);
  EXPECT_EQ(Teacher(teacher_).PUT, 0);
}

TEST_F(RebuildTest, DayWindowsAreNormalised) {
  ClssType& clss = Class(class_a_);
  clss.LC1(1) = 0;
  clss.LC2(1) = 5;
  clss.LC1(2) = 6;
  clss.LC2(2) = 3;
  clss.LC1(3) = 2;
  clss.LC2(3) = 40;
  Rebuild();
  EXPECT_EQ(Class(class_a_).LC2(1), 0);
  EXPECT_EQ(Class(class_a_).LC2(2), 6);
  EXPECT_EQ(Class(class_a_).LC2(3), 18);
}

TEST_F(RebuildTest, CallsProcessEventsWhileReplaying) {
  int events = 0;
  RebuildAfterDefinitionsChange(data(), [&] { ++events; });
  const int slots = (data().teachers.Count() + data().classes.Count() + data().rooms.Count()) * 126;
  EXPECT_EQ(events, 3 * slots) << "before each entry of each of the three passes";
}

}  // namespace
}  // namespace orvanta::testing
