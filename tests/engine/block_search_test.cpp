// The block search: direct placement, displacement from the second level on, splits, the slot
// tests only the automatic placement makes, and rollback of failed searches.

#include "engine/block_search.h"

#include <gtest/gtest.h>

#include "auto_placement_fixture.h"
#include "engine/gap_measures.h"

namespace orvanta::testing {
namespace {

class BlockSearchTest : public PlacementFixture {
 protected:
  BlockSearchTest() {
    clss_ = school.AddClass();
    first_teacher_ = school.AddTeacher();
    second_teacher_ = school.AddTeacher();
  }
  // A school of one day with two hours: class lesson `standing` of the first teacher is at
  // hour 1, class lesson `arriving` of the second teacher can only take hour 1.
  void OneDayTwoHours() {
    data.days_in_use = 1;
    ClassDay(clss_, 1, 1, 2);
    standing_ = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first_teacher_});
    arriving_ = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {second_teacher_});
    CloseTeacher(second_teacher_, 1, 2, 2);
    DeriveValues();
    Place(standing_, 1, 1, 1);
  }
  bool SearchAt(int attempt, int pass, int common_no, int n, int day = 0, int hour = 0) {
    search.phase = {attempt, pass};
    search.placement().journal.Reset();
    return search.Search(common_no, n, day, hour);
  }

  BlockSearch search{data, control};
  int clss_;
  int first_teacher_;
  int second_teacher_;
  int standing_ = 0;
  int arriving_ = 0;
};

TEST_F(BlockSearchTest, FirstAttemptNeverDisplaces) {
  OneDayTwoHours();
  EXPECT_FALSE(SearchAt(1, 1, arriving_, 1));
  EXPECT_FALSE(SearchAt(1, 2, arriving_, 1));
  EXPECT_EQ(BlockStarts(standing_, 1), (std::vector<int>{1}));
  EXPECT_EQ(school.Common(arriving_).Pt, 0);
  ExpectConsistent();
}

TEST_F(BlockSearchTest, SecondAttemptMovesTheBlockInTheWay) {
  OneDayTwoHours();
  EXPECT_TRUE(SearchAt(2, 1, arriving_, 1));
  EXPECT_EQ(BlockStarts(arriving_, 1), (std::vector<int>{1}));
  EXPECT_EQ(BlockStarts(standing_, 1), (std::vector<int>{2}));
  // Neither block stays fixed.
  EXPECT_TRUE(school.Class(clss_).Mv(1, 1));
  EXPECT_TRUE(school.Teacher(second_teacher_).Mv(1, 1));
  EXPECT_EQ(search.placement().block_balance, 0);
  EXPECT_EQ(control.levels, (std::vector<int>{2}));
  ExpectConsistent();
}

TEST_F(BlockSearchTest, FixedBlocksAreNeverDisplaced) {
  OneDayTwoHours();
  Fix(standing_, 1, 1, 1);
  EXPECT_FALSE(SearchAt(5, 2, arriving_, 1));
  EXPECT_EQ(BlockStarts(standing_, 1), (std::vector<int>{1}));
  ExpectConsistent();
}

TEST_F(BlockSearchTest, FailedDisplacementLeavesTheGridsAsTheyWere) {
  OneDayTwoHours();
  CloseTeacher(first_teacher_, 1, 2, 2);  // the standing block has nowhere else to go
  const ClssType before = school.Class(clss_);
  EXPECT_FALSE(SearchAt(3, 2, arriving_, 1));
  EXPECT_EQ(BlockStarts(standing_, 1), (std::vector<int>{1}));
  EXPECT_EQ(school.Class(clss_).PUT, before.PUT);
  EXPECT_TRUE(school.Class(clss_).Mv(1, 1));
  EXPECT_EQ(search.placement().journal.Length(), 0);
  ExpectConsistent();
}

TEST_F(BlockSearchTest, RequiredDayAndHourAreTheOnlyStart) {
  const int c = school.AddCommon(school.AddLesson(2, {2}), {clss_}, {first_teacher_});
  DeriveValues();
  EXPECT_TRUE(SearchAt(1, 2, c, 2, 3, 4));
  EXPECT_EQ(BlockStarts(c, 3), (std::vector<int>{4}));
  EXPECT_EQ(school.Common(c).LT(3, 5), 2);
}

TEST_F(BlockSearchTest, SplitHourIsNeverAStartNorCrossed) {
  const int lesson = school.AddLesson(3, {3});
  school.Lesson(lesson).Nl = 4;
  const int c = school.AddCommon(lesson, {clss_}, {first_teacher_});
  data.days_in_use = 1;
  DeriveValues();
  // 3-hour blocks on hours 1..7 with Nl = 4 must end by hour 4 or start after it.
  EXPECT_TRUE(SearchAt(1, 1, c, 3, 1, 2));
  EXPECT_EQ(BlockStarts(c, 1), (std::vector<int>{2}));
  ASSERT_TRUE(RemoveBlock(data, search.placement(), c, 1, 2, 3));
  EXPECT_FALSE(SearchAt(1, 1, c, 3, 1, 3));
  EXPECT_FALSE(SearchAt(1, 1, c, 3, 1, 4));
  EXPECT_TRUE(SearchAt(1, 1, c, 3, 1, 5));
}

TEST_F(BlockSearchTest, SingleHourNeverStartsAtTheSplitHour) {
  const int lesson = school.AddLesson(1, {1});
  school.Lesson(lesson).Nl = 4;
  const int c = school.AddCommon(lesson, {clss_}, {first_teacher_});
  DeriveValues();
  EXPECT_FALSE(SearchAt(1, 2, c, 1, 2, 4));
  EXPECT_TRUE(SearchAt(1, 2, c, 1, 2, 5));
}

TEST_F(BlockSearchTest, RespectsLessonSlotsClassMarksAndTheClassLessonsOwnMask) {
  const int lesson = school.AddLesson(2, {2});
  const int c = school.AddCommon(lesson, {clss_}, {first_teacher_});
  DeriveValues();
  school.Lesson(lesson).Pb(1, 2) = false;  // hour 2 is not for this lesson
  school.Class(clss_).Dd(1, 4) = lesson;   // an out-of-lesson mark of the class
  school.Common(c).Mv(1, 5) = false;       // no block starts at hour 5
  for (int h : {1, 2, 3, 4, 5}) EXPECT_FALSE(SearchAt(2, 2, c, 2, 1, h)) << h;
  EXPECT_TRUE(SearchAt(2, 2, c, 2, 1, 6));
}

TEST_F(BlockSearchTest, TeacherPayMarksKeepTheSlotClosed) {
  const int c = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first_teacher_});
  DeriveValues();
  school.Teacher(first_teacher_).Dd(1, 1) = 4;
  EXPECT_FALSE(SearchAt(1, 1, c, 1, 1, 1));
}

TEST_F(BlockSearchTest, DivisibleBlockIsSplitFromTheSecondPassAtLevelTwo) {
  const int lesson = school.AddLesson(2, {2});
  school.Lesson(lesson).Dv = true;
  const int c = school.AddCommon(lesson, {clss_}, {first_teacher_});
  for (int d = 1; d <= 5; ++d) {
    for (int h : {2, 4, 6}) CloseTeacher(first_teacher_, d, h, h);  // no two hours in a row
  }
  DeriveValues();
  EXPECT_FALSE(SearchAt(2, 1, c, 2));
  EXPECT_FALSE(SearchAt(1, 2, c, 2));
  EXPECT_TRUE(SearchAt(2, 2, c, 2));
  EXPECT_EQ(school.Common(c).Pt, 2);
  EXPECT_EQ(BlockStarts(c, 1), (std::vector<int>{1}));
  EXPECT_EQ(BlockStarts(c, 2), (std::vector<int>{1}));
  ExpectConsistent();
}

TEST_F(BlockSearchTest, StopEndsTheScanAfterItsCurrentTry) {
  const int c = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first_teacher_});
  DeriveValues();
  CloseTeacher(first_teacher_, 1, 1, 1);
  control.command_at_poll = [](int) { return RunCommand::kStop; };
  EXPECT_FALSE(SearchAt(1, 1, c, 1));
  EXPECT_EQ(search.stop_code, kStopCode);
  EXPECT_EQ(school.Common(c).Pt, 0);
}

TEST_F(BlockSearchTest, CrowdedTeacherDayIsClearedWhenTheGapsGrowTooMany) {
  // The second teacher's lessons at hours 1 and 3 of Monday have the arriving block's class at
  // hour 3: taking that hour away would leave the teacher with hours 1 and 5 and three gaps.
  data.days_in_use = 1;
  SetSetting(PlacementSetting::kGapsAllowed, 0);
  const int other_class = school.AddClass();
  const int early = school.AddCommon(school.AddLesson(1, {1}), {other_class}, {second_teacher_});
  const int late = school.AddCommon(school.AddLesson(1, {1}), {other_class}, {second_teacher_});
  const int middle = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {second_teacher_});
  const int arriving = school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first_teacher_});
  for (int h = 1; h <= 7; ++h) {
    if (h != 3) CloseTeacher(first_teacher_, 1, h, h);
  }
  DeriveValues();
  RunValueOf(school.Teacher(second_teacher_), RunValue::kGapRuleOff) = 0;
  RunValueOf(school.Teacher(second_teacher_), RunValue::kMostWeekGaps) = 0;
  Place(early, 1, 1, 1);
  Place(middle, 1, 3, 1);
  Place(late, 1, 5, 1);
  // At level 2 the cleared lessons cannot all come back within the gap limit.
  EXPECT_FALSE(SearchAt(2, 2, arriving, 1));
  EXPECT_EQ(BlockStarts(middle, 1), (std::vector<int>{3}));
  EXPECT_EQ(BlockStarts(late, 1), (std::vector<int>{5}));
  // One level deeper they do, and the teacher's day is left without gaps.
  EXPECT_TRUE(SearchAt(3, 2, arriving, 1));
  EXPECT_EQ(BlockStarts(arriving, 1), (std::vector<int>{3}));
  const TeacherType& second = school.Teacher(second_teacher_);
  EXPECT_EQ(second.PUT, 3);
  EXPECT_EQ(GapCount(second, 1), 0);
  ExpectConsistent();
}

// A joint lesson of many classes at hour 1 of Monday, where every class and the teacher hold a
// block of their own: each of those blocks has to be displaced to make room.
class CrowdedSlotTest : public BlockSearchTest {
 protected:
  int JointLessonOverBlocks(int classes) {
    std::vector<int> members;
    for (int i = 0; i < classes; ++i) {
      const int clss = school.AddClass();
      members.push_back(clss);
      standing_.push_back(school.AddCommon(school.AddLesson(1, {1}), {clss}));  // no teacher
    }
    standing_.push_back(school.AddCommon(school.AddLesson(1, {1}), {clss_}, {first_teacher_}));
    const int joint = school.AddCommon(school.AddLesson(1, {1}), members, {first_teacher_});
    DeriveValues();
    for (int common_no : standing_) Place(common_no, 1, 1, 1);
    return joint;
  }
  std::vector<int> standing_;
};

TEST_F(CrowdedSlotTest, DisplacesUpToFiftyBlocks) {
  const int joint = JointLessonOverBlocks(49);
  EXPECT_TRUE(SearchAt(2, 2, joint, 1, 1, 1));
  for (int common_no : standing_) EXPECT_EQ(school.Common(common_no).Pt, 1);
  ExpectConsistent();
}

TEST_F(CrowdedSlotTest, GivesUpRatherThanHoldMoreThanFifty) {
  const int joint = JointLessonOverBlocks(50);
  EXPECT_FALSE(SearchAt(2, 2, joint, 1, 1, 1));
  for (int common_no : standing_) EXPECT_EQ(BlockStarts(common_no, 1), (std::vector<int>{1}));
  ExpectConsistent();
}

}  // namespace
}  // namespace orvanta::testing
