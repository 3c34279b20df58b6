#include "engine/arrangement.h"
#include "engine/arrangement_fixture.h"
#include "engine/placement_settings.h"

namespace orvanta::testing {
namespace {

class LoneDayRemovalTest : public ArrangementTest {};

TEST_F(LoneDayRemovalTest, ABlockOfTheFullDayMovesOntoTheLoneDay) {
  PutSingles(teacher_, 1, {1});
  const int pair = AddLessonOf(teacher_, 2, {2});
  Put(pair, 2, 1, 2);
  PutSingles(teacher_, 2, {3, 4});
  Arrangement arrangement(data(), control_);
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kSucceeded);
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(school_.Common(pair).LH(1, 2), 2);
  EXPECT_EQ(school_.Common(pair).LT(1, 2), 2);
  EXPECT_EQ(Hours(teacher_, 2), (std::vector<int>{3, 4}));
  ExpectSound();
}

TEST_F(LoneDayRemovalTest, TheSourceDayKeepsAtLeastTwoHours) {
  PutSingles(teacher_, 1, {1});
  const int pair = AddLessonOf(teacher_, 2, {2});
  Put(pair, 2, 1, 2);
  PutSingles(teacher_, 2, {3});
  Arrangement arrangement(data(), control_);
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kSucceeded);
  // The pair would have left Tuesday a single hour; the single went instead.
  EXPECT_EQ(Hours(teacher_, 2), (std::vector<int>{1, 2}));
  EXPECT_EQ(Hours(teacher_, 1), (std::vector<int>{1, 2}));
  ExpectSound();
}

TEST_F(LoneDayRemovalTest, TheSecondPassDropsTheDayGapRule) {
  const int pair = AddLessonOf(teacher_, 2, {1, 1});
  Put(pair, 2, 1);
  Put(pair, 3, 1);
  for (const int c : PutSingles(teacher_, 2, {2, 3})) PinLesson(c);
  PutSingles(teacher_, 3, {2});
  PutSingles(teacher_, 4, {1});
  Arrangement arrangement(data(), control_);
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kSucceeded);
  // Thursday lies next to the pair's Wednesday hour, which only the second pass allows.
  EXPECT_EQ(school_.Teacher(teacher_).Cm(4, 2), pair);
  EXPECT_EQ(Hours(teacher_, 2), (std::vector<int>{2, 3}));
  EXPECT_EQ(control_.levels, (std::vector<int>{1}));
  ExpectSound();
}

TEST_F(LoneDayRemovalTest, WithoutALoneDayItFailsAndClearsTheLoneDayValue) {
  PutSingles(teacher_, 1, {1, 2});
  PutSingles(teacher_, 2, {1, 2, 3});
  RunValueOf(Teacher(teacher_), RunValue::kLoneDay) = 1;
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(RunValueOf(Teacher(teacher_), RunValue::kLoneDay), 0);
  RunValueOf(Teacher(teacher_), RunValue::kLoneDay) = 1;
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(LoneDayRemovalTest, DaysOfTwoHoursHaveNothingToSpare) {
  PutSingles(teacher_, 1, {3});
  PutSingles(teacher_, 2, {1, 2});
  PutSingles(teacher_, 3, {4, 5});
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(LoneDayRemovalTest, AMoveThatLeavesTheLoneDayAloneIsNoSuccess) {
  PutSingles(teacher_, 1, {1});
  const std::vector<int> tuesday = PutSingles(teacher_, 2, {1, 2, 3, 4});
  AddLessonOf(teacher_, 1);  // unplaced: the search is not held to the lone day
  for (const int c : tuesday) {
    for (int h = 1; h <= kHours; ++h) school_.Lesson(school_.Common(c).Le).Pb(1, h) = false;
  }
  data().option.attempts_bound = 2;
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  // Every Tuesday block could only go back where it came from.
  EXPECT_EQ(arrangement.RemoveLoneDays(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace orvanta::testing
