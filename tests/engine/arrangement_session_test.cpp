#include "engine/arrangement.h"
#include "engine/arrangement_fixture.h"
#include "engine/placement_settings.h"

namespace orvanta::testing {
namespace {

class ArrangementSessionTest : public ArrangementTest {
 protected:
  int Value(int teacher, RunValue entry) { return RunValueOf(Teacher(teacher), entry); }
};

TEST_F(ArrangementSessionTest, OpeningDerivesTheRunValuesOfEveryTeacher) {
  const int other = school_.AddTeacher();
  PutSingles(teacher_, 1, {1, 3, 5, 7});  // 3 gaps
  Teacher(teacher_).sg_cn(1) = 1;
  Teacher(other).sp_cn(6) = 4;
  Arrangement arrangement(data(), control_);
  EXPECT_EQ(Value(teacher_, RunValue::kGapRuleOff), 0);
  EXPECT_EQ(Value(teacher_, RunValue::kMostWeekGaps), 3);
  EXPECT_EQ(Value(teacher_, RunValue::kLongestGap), 3);
  EXPECT_EQ(Value(teacher_, RunValue::kDailyMaximum), 7);
  EXPECT_EQ(Value(other, RunValue::kGapRuleOff), 0);
  EXPECT_EQ(Value(other, RunValue::kMostWeekGaps), 2);
  EXPECT_EQ(Value(other, RunValue::kDailyMaximum), 4);
}

TEST_F(ArrangementSessionTest, ANewThresholdDerivesTheGapValuesAgainWithinTwoDigits) {
  PutSingles(teacher_, 1, {1, 3, 5, 7});
  Arrangement arrangement(data(), control_);
  arrangement.SetGapThreshold(150);
  EXPECT_EQ(arrangement.gap_threshold(), 99);
  EXPECT_EQ(Value(teacher_, RunValue::kMostWeekGaps), 99);
  arrangement.SetGapThreshold(-4);
  EXPECT_EQ(arrangement.gap_threshold(), 0);
  EXPECT_EQ(Value(teacher_, RunValue::kLongestGap), 3);
  EXPECT_EQ(arrangement.Counts().teachers_over_gap_threshold, 1);
}

TEST_F(ArrangementSessionTest, TheMessagesAreTheDialogsOwn) {
  EXPECT_EQ(ArrangementMessage(ArrangementOutcome::kSucceeded), "İşlem Başarılı !");
  EXPECT_EQ(ArrangementMessage(ArrangementOutcome::kFailed), "İşlem Başarısız !");
  EXPECT_EQ(ArrangementMessage(ArrangementOutcome::kNothingRun), "");
}

TEST_F(ArrangementSessionTest, ACommandAskedForWhileOneRunsIsRefused) {
  PutSingles(teacher_, 1, {1, 3, 5});
  PutSingles(teacher_, 2, {1, 2});
  Arrangement arrangement(data(), control_, 1);
  std::vector<ArrangementOutcome> nested;
  control_.during_poll = [&] {
    nested.push_back(arrangement.RemoveLoneDays(teacher_));
    EXPECT_TRUE(arrangement.running());
  };
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  EXPECT_FALSE(arrangement.running());
  ASSERT_FALSE(nested.empty());
  for (const ArrangementOutcome outcome : nested) EXPECT_EQ(outcome, ArrangementOutcome::kFailed);
  EXPECT_EQ(control_.runs_started, 1);
  ExpectSound();
}

TEST_F(ArrangementSessionTest, StopFromTheScreenEndsTheCommandAndTheNextOneRunsAgain) {
  PutSingles(teacher_, 1, {1, 3, 5});
  Arrangement arrangement(data(), control_, 0);
  const std::string before = Snapshot();
  control_.during_poll = [&] { arrangement.Stop(); };
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
  control_.during_poll = nullptr;
  EXPECT_EQ(arrangement.RemoveGaps(teacher_), ArrangementOutcome::kSucceeded);
  ExpectSound();
}

TEST_F(ArrangementSessionTest, AnUnknownTeacherChangesNothing) {
  PutSingles(teacher_, 1, {1, 3, 5});
  Arrangement arrangement(data(), control_, 0);
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.RemoveGaps(99), ArrangementOutcome::kFailed);
  EXPECT_EQ(arrangement.RemoveLoneDays(99), ArrangementOutcome::kFailed);
  EXPECT_EQ(arrangement.BalanceDailyLoads(99), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace orvanta::testing
