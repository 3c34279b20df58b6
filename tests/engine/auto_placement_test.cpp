// The three automatic runs: tours, teacher order, attempts and passes, the stop and skip
// commands and the result message.

#include "engine/auto_placement.h"

#include <gtest/gtest.h>

#include "auto_placement_fixture.h"
#include "engine/placement_tests.h"

namespace orvanta::testing {
namespace {

class AutoPlacementTest : public PlacementFixture {
 protected:
  AutoPlacementTest() { clss_ = school.AddClass(); }

  int DaysWithHours(int common_no) {
    int days = 0;
    for (int d = 1; d <= kDays; ++d) days += school.Common(common_no).LTP(d) > 0 ? 1 : 0;
    return days;
  }

  AutoPlacement placement{data, control};
  int clss_;
};

TEST(ResultMessageTest, NamesTheHoursLeft) {
  EXPECT_EQ(ResultMessage(7), "Yerleşmeyen  7  Kaldı");
  EXPECT_EQ(ResultMessage(0), "Yerleşmeyen Ders Kalmadı !");
}

TEST_F(AutoPlacementTest, TwoTwoOneGetsTheDoublesFirstOnThreeDays) {
  const int teacher = school.AddTeacher();
  const int c = school.AddCommon(school.AddLesson(5, {2, 2, 1}), {clss_}, {teacher});
  control.watched = &school.Common(c);
  const RunResult result = placement.RunAll(teacher);
  EXPECT_EQ(result.remaining, 0);
  EXPECT_EQ(result.message, "Yerleşmeyen Ders Kalmadı !");
  EXPECT_EQ(control.placed_pts, (std::vector<int>{2, 4, 5}));
  EXPECT_EQ(DaysWithHours(c), 3);
  EXPECT_TRUE(control.started);
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, FirstRoundKeepsADayBetweenBlocks) {
  const int teacher = school.AddTeacher();
  const int c = school.AddCommon(school.AddLesson(4, {2, 2}), {clss_}, {teacher});
  placement.RunAll(teacher);
  EXPECT_EQ(BlockStarts(c, 1), (std::vector<int>{1}));
  EXPECT_EQ(BlockStarts(c, 2), (std::vector<int>{}));
  EXPECT_EQ(BlockStarts(c, 3), (std::vector<int>{1}));
}

TEST_F(AutoPlacementTest, SecondPassDropsTheDayBetween) {
  const int teacher = school.AddTeacher();
  const int c = school.AddCommon(school.AddLesson(4, {2, 2}), {clss_}, {teacher});
  for (int d = 3; d <= 5; ++d) ClassDay(clss_, d, 0, 0);  // Monday and Tuesday only
  placement.RunAll(teacher);
  EXPECT_EQ(BlockStarts(c, 1), (std::vector<int>{1}));
  EXPECT_EQ(BlockStarts(c, 2), (std::vector<int>{1}));
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, TeachersAreServedInRankOrder) {
  const int roomy = school.AddTeacher();
  const int tight = school.AddTeacher();
  const int other_class = school.AddClass();
  school.AddCommon(school.AddLesson(1, {1}), {clss_}, {roomy});
  school.AddCommon(school.AddLesson(1, {1}), {other_class}, {tight});
  CloseTeacher(tight, 1, 1, 7);
  placement.RunAll(roomy);
  EXPECT_EQ(control.teachers, (std::vector<int>{tight, roomy}));
}

TEST_F(AutoPlacementTest, SplitHourIsRespectedByTheRunButNotByHand) {
  const int teacher = school.AddTeacher();
  const int lesson = school.AddLesson(1, {1});
  school.Lesson(lesson).Nl = 4;
  const int c = school.AddCommon(lesson, {clss_}, {teacher});
  for (int d = 1; d <= 5; ++d) {
    CloseTeacher(teacher, d, 1, 3);
    CloseTeacher(teacher, d, 5, 7);
  }
  const RunResult result = placement.RunAll(teacher);
  EXPECT_EQ(result.message, "Yerleşmeyen  1  Kaldı");
  EXPECT_EQ(school.Common(c).Pt, 0);
  EXPECT_TRUE(CanPlaceHour(data, c, 1, 4));
}

TEST_F(AutoPlacementTest, SkipLeavesTheCurrentTeacherAndGoesOn) {
  const int first = school.AddTeacher();
  const int second = school.AddTeacher();
  const int other_class = school.AddClass();
  const int skipped = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first});
  const int served = school.AddCommon(school.AddLesson(1, {1}), {other_class}, {second});
  CloseTeacher(first, 1, 1, 1);  // the first try for the first teacher fails
  CloseTeacher(first, 2, 1, 7);  // and it ranks first
  control.command_at_poll = [](int poll) {
    return poll == 1 ? RunCommand::kSkip : RunCommand::kNone;
  };
  const RunResult result = placement.RunAll(first);
  EXPECT_EQ(control.teachers, (std::vector<int>{first, second}));
  EXPECT_EQ(school.Common(skipped).Pt, 0);
  EXPECT_EQ(school.Common(served).Pt, 1);
  EXPECT_EQ(result.remaining, 1);
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, StopEndsTheWholeRun) {
  const int first = school.AddTeacher();
  const int second = school.AddTeacher();
  const int other_class = school.AddClass();
  school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first});
  const int never = school.AddCommon(school.AddLesson(1, {1}), {other_class}, {second});
  CloseTeacher(first, 1, 1, 1);
  CloseTeacher(first, 2, 1, 7);
  control.command_at_poll = [](int) { return RunCommand::kStop; };
  const RunResult result = placement.RunAll(first);
  EXPECT_EQ(control.teachers, (std::vector<int>{first}));
  EXPECT_EQ(control.polls, 1);
  EXPECT_EQ(school.Common(never).Pt, 0);
  EXPECT_EQ(result.remaining, 2);
}

TEST_F(AutoPlacementTest, TeacherRunServesOnlyThatTeacher) {
  const int first = school.AddTeacher();
  const int second = school.AddTeacher();
  const int mine = school.AddCommon(school.AddLesson(3, {2, 1}), {clss_}, {first});
  const int theirs = school.AddCommon(school.AddLesson(2, {2}), {clss_}, {second});
  const RunResult result = placement.RunTeacher(first);
  EXPECT_EQ(school.Common(mine).Pt, 3);
  EXPECT_EQ(school.Common(theirs).Pt, 0);
  EXPECT_EQ(result.message, "Yerleşmeyen  2  Kaldı");
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, RunHerePlacesTheNextBlockAtTheClickedSlot) {
  const int teacher = school.AddTeacher();
  const int c = school.AddCommon(school.AddLesson(3, {2, 1}), {clss_}, {teacher});
  placement.RunHere(c, 4, 3, teacher);
  EXPECT_EQ(BlockStarts(c, 4), (std::vector<int>{3}));
  EXPECT_EQ(school.Common(c).LT(4, 3), 2);
  placement.RunHere(c, 2, 6, teacher);
  EXPECT_EQ(BlockStarts(c, 2), (std::vector<int>{6}));
  EXPECT_EQ(school.Common(c).Pt, 3);
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, RunHereDisplacesFromTheSecondAttemptWithinTheBound) {
  const int first = school.AddTeacher();
  const int second = school.AddTeacher();
  const int standing = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first});
  const int arriving = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {second});
  Place(standing, 1, 1, 1);
  data.option.attempts_bound = 1;
  placement.RunHere(arriving, 1, 1, second);
  EXPECT_EQ(school.Common(arriving).Pt, 0);
  data.option.attempts_bound = 16;
  const RunResult result = placement.RunHere(arriving, 1, 1, second);
  EXPECT_EQ(BlockStarts(arriving, 1), (std::vector<int>{1}));
  EXPECT_EQ(school.Common(standing).Pt, 1);
  EXPECT_EQ(result.remaining, 0);
  ExpectConsistent();
}

TEST_F(AutoPlacementTest, EmptyRunListPlacesNothing) {
  const int teacher = school.AddTeacher();
  const int c = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {teacher});
  Place(c, 1, 1, 1);
  const RunResult result = placement.RunAll(teacher);
  EXPECT_EQ(result.message, "Yerleşmeyen Ders Kalmadı !");
  EXPECT_TRUE(control.teachers.empty());
}

TEST_F(AutoPlacementTest, ClassLessonsWithoutTeachersAreNotServed) {
  const int teacher = school.AddTeacher();
  school.AddCommon(school.AddLesson(2, {2}), {clss_}, {teacher});
  const int alone = school.AddCommon(school.AddLesson(2, {2}), {clss_});
  const RunResult result = placement.RunAll(teacher);
  EXPECT_EQ(school.Common(alone).Pt, 0);
  EXPECT_EQ(result.remaining, 0);  // not counted in the totals either
}

TEST_F(AutoPlacementTest, DamagedClassLessonsAreServedWithoutHarm) {
  const int teacher = school.AddTeacher();
  const int classless = school.AddCommon(school.AddLesson(2, {2}), {}, {teacher});
  const int missing_teacher = school.AddCommon(school.AddLesson(2, {1, 1}), {clss_}, {teacher});
  school.Common(missing_teacher).TX = 2;
  school.Common(missing_teacher).TN(2) = 4999;
  placement.RunAll(teacher);
  EXPECT_EQ(school.Common(classless).Pt, 2);
  EXPECT_EQ(school.Common(missing_teacher).Pt, 2);
  ExpectConsistent();
}

}  // namespace
}  // namespace orvanta::testing
