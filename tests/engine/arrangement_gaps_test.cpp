#include "engine/arrangement.h"
#include "engine/arrangement_fixture.h"
#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta::testing {
namespace {

class GapRemovalTest : public ArrangementTest {
 protected:
  int Gaps(int teacher) { return GapCount(Teacher(teacher), 5); }
  int RunValue(int teacher, RunValue entry) { return RunValueOf(Teacher(teacher), entry); }
};

TEST_F(GapRemovalTest, GapsWithinTheThresholdFailAndMoveNothing) {
  PutSingles(teacher_, 1, {1, 3, 5});
  Arrangement arrangement(data(), control_);  // threshold 2 = the teacher's gap count
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(GapRemovalTest, MondayOneThreeFiveLosesAGapFromTheMorning) {
  PutSingles(teacher_, 1, {1, 3, 5});
  PutSingles(teacher_, 2, {1, 2});
  Arrangement arrangement(data(), control_, 1);
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  // Hours 1 and 3 came out until Monday had no gap and went back next to hour 5, one at a time.
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(Hours(teacher_, 2), (std::vector<int>{1, 2}));
  EXPECT_EQ(Gaps(teacher_), 1);
  // The tightened limits stay with the teacher after a success.
  EXPECT_EQ(RunValue(teacher_, RunValue::kGapRuleOff), 0);
  EXPECT_EQ(RunValue(teacher_, RunValue::kMostWeekGaps), 1);
  EXPECT_EQ(RunValue(teacher_, RunValue::kLongestGap), 1);
  ExpectSound();
}

TEST_F(GapRemovalTest, AFixedLessonStaysWhereItIs) {
  const std::vector<int> monday = PutSingles(teacher_, 1, {1, 3, 5});
  SetBlockSlotsMovable(data(), monday[0], 1, 1, 1, false);
  Arrangement arrangement(data(), control_, 0);
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(school_.Common(monday[0]).LH(1, 1), 1);
  EXPECT_EQ(Gaps(teacher_), 0);
  ExpectSound();
}

TEST_F(GapRemovalTest, WhenNoBlockFindsAPlaceTheGridsAndRunValuesAreAsBefore) {
  const std::vector<int> monday = PutSingles(teacher_, 1, {1, 3, 5});
  for (const int c : monday) PinLesson(c);
  data().option.attempts_bound = 3;
  Arrangement arrangement(data(), control_, 0);
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(control_.levels, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(arrangement.level(), 3);
  ExpectSound();
}

TEST_F(GapRemovalTest, TheEveningIsTriedWhenTheMorningBlocksCannotMove) {
  const std::vector<int> monday = PutSingles(teacher_, 1, {1, 3, 5});
  PinLesson(monday[0]);
  PinLesson(monday[1]);
  Arrangement arrangement(data(), control_, 1);
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  // From the evening hours 5 and 3 came out; 5 went next to hour 1, then 3 back after it.
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(school_.Common(monday[2]).LH(1, 2), 2);
  EXPECT_EQ(school_.Common(monday[1]).LH(1, 3), 3);
  ExpectSound();
}

TEST_F(GapRemovalTest, TheSearchesRunInTheSecondPassWithoutTheDayGapRule) {
  const int pair = AddLessonOf(teacher_, 2, {1, 1});
  Put(pair, 1, 1);
  Put(pair, 2, 1);
  PutSingles(teacher_, 1, {3});
  AddLessonOf(teacher_, 1);  // unplaced: no finish-day restriction
  Arrangement arrangement(data(), control_, 0);
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  // In a first pass the day-gap rule would have kept Monday's hour off the day beside Tuesday
  // and sent it to Thursday, a lone day.
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{2, 3}));
  EXPECT_EQ(Hours(teacher_, 4), (std::vector<int>{}));
  ExpectSound();
}

TEST_F(GapRemovalTest, DurdurRollsTheUnfinishedStepBack) {
  PutSingles(teacher_, 1, {1, 3, 5});
  Arrangement arrangement(data(), control_, 0);
  const std::string before = Snapshot();
  control_.stop_at_poll = 1;
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(control_.polls, 1);
  ExpectSound();
}

TEST_F(GapRemovalTest, ForAllWithEveryTeacherWithinTheThresholdChangesNothing) {
  const int other = school_.AddTeacher();
  PutSingles(teacher_, 1, {1, 3});
  PutSingles(other, 2, {2, 4, 5});
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  arrangement.RemoveGapsForAll();
  EXPECT_EQ(Snapshot(), before);
  EXPECT_TRUE(control_.selected.empty());
}

TEST_F(GapRemovalTest, ForAllWorksOnTheTeachersAboveTheThresholdOnly) {
  const int other = school_.AddTeacher();
  PutSingles(teacher_, 1, {1, 3, 5, 7});
  PutSingles(other, 2, {2, 4});
  Arrangement arrangement(data(), control_, 1);
  arrangement.RemoveGapsForAll();
  EXPECT_LE(Gaps(teacher_), 1);
  EXPECT_EQ(Hours(other, 2), (std::vector<int>{2, 4}));
  ASSERT_FALSE(control_.selected.empty());
  for (const int selected : control_.selected) EXPECT_EQ(selected, teacher_);
  // The threshold is the least limit of a teacher whose step succeeded; the rule stays on.
  EXPECT_GE(RunValue(teacher_, RunValue::kMostWeekGaps), 1);
  EXPECT_EQ(RunValue(teacher_, RunValue::kGapRuleOff), 0);
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
