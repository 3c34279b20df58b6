#include <numeric>

#include "engine/arrangement.h"
#include "engine/arrangement_fixture.h"
#include "engine/placement_settings.h"

namespace orvanta::testing {
namespace {

class BalancingTest : public ArrangementTest {
 protected:
  // One class lesson per hour row, placed in that hour on the given days, so the teacher's loads
  // are the number of rows used each day.
  std::vector<int> PutRows(const std::vector<std::vector<int>>& days_of_row) {
    std::vector<int> rows;
    for (const std::vector<int>& days : days_of_row) {
      const int hours = static_cast<int>(days.size());
      rows.push_back(AddLessonOf(teacher_, hours, std::vector<int>(days.size(), 1)));
    }
    for (size_t row = 0; row < rows.size(); ++row) {
      for (const int d : days_of_row[row]) Put(rows[row], d, static_cast<int>(row) + 1);
    }
    return rows;
  }

  // Loads 6, 2, 6, 4, 4.
  std::vector<int> PutSixTwoSixFourFour() {
    return PutRows({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 3, 4, 5}, {1, 3, 4, 5}, {1, 3}, {1, 3}});
  }

  int DailyMaximum() { return RunValueOf(Teacher(teacher_), RunValue::kDailyMaximum); }
};

TEST_F(BalancingTest, SixTwoSixFourFourMovesOneBlockOffASixHourDay) {
  PutSixTwoSixFourFour();
  Arrangement arrangement(data(), control_);
  ASSERT_EQ(Loads(teacher_), (std::vector<int>{6, 2, 6, 4, 4}));
  EXPECT_EQ(arrangement.BalanceDailyLoads(teacher_), ArrangementOutcome::kSucceeded);
  EXPECT_EQ(Loads(teacher_), (std::vector<int>{5, 3, 6, 4, 4}));
  EXPECT_EQ(DailyMaximum(), 5);
  ExpectSound();
}

TEST_F(BalancingTest, FourThreeFourThreeFourIsLeftAlone) {
  PutRows({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 3, 5}});
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  const ArrangementOutcome outcome = arrangement.BalanceDailyLoads(teacher_);
  EXPECT_EQ(outcome, ArrangementOutcome::kNothingRun);
  EXPECT_EQ(ArrangementMessage(outcome), "");
  EXPECT_EQ(Snapshot(), before);  // the daily maximum included
  EXPECT_EQ(DailyMaximum(), 7);
}

TEST_F(BalancingTest, WhenNoBlockCanLeaveTheGridsAndDailyMaximumAreAsBefore) {
  for (const int row : PutSixTwoSixFourFour()) PinLesson(row);
  data().option.attempts_bound = 2;
  Arrangement arrangement(data(), control_);
  const std::string before = Snapshot();
  EXPECT_EQ(arrangement.BalanceDailyLoads(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(DailyMaximum(), 7);
  ExpectSound();
}

TEST_F(BalancingTest, TheTeachersOwnDailyMaximumComesBackAfterAFailure) {
  Teacher(teacher_).sp_cn(6) = 6;
  for (const int row : PutSixTwoSixFourFour()) PinLesson(row);
  data().option.attempts_bound = 1;
  Arrangement arrangement(data(), control_);
  EXPECT_EQ(DailyMaximum(), 6);
  EXPECT_EQ(arrangement.BalanceDailyLoads(teacher_), ArrangementOutcome::kFailed);
  EXPECT_EQ(DailyMaximum(), 6);
}

}  // namespace
}  // namespace orvanta::testing
