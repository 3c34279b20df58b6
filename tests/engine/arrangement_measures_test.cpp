#include "engine/arrangement_measures.h"

#include "engine/arrangement_balance.h"
#include "engine/arrangement_blocks.h"
#include "engine/arrangement_fixture.h"
#include "engine/gap_measures.h"

namespace orvanta::testing {
namespace {

class ArrangementMeasuresTest : public ArrangementTest {};

TEST_F(ArrangementMeasuresTest, DayGapsCountTheFreeHoursBetweenLessons) {
  PutSingles(teacher_, 1, {1, 3, 5});
  PutSingles(teacher_, 2, {4});
  EXPECT_EQ(DayGaps(Teacher(teacher_), 1), 2);
  EXPECT_EQ(DayGaps(Teacher(teacher_), 2), 0);
  EXPECT_EQ(DayGaps(Teacher(teacher_), 3), 0);
  EXPECT_EQ(GapCount(Teacher(teacher_), 5), 2);
}

TEST_F(ArrangementMeasuresTest, AClosedHourIsNoDayGapButAnUnusableOneIs) {
  PutSingles(teacher_, 1, {1, 3, 5});
  Teacher(teacher_).Mv(1, 2) = false;
  Teacher(teacher_).Lm(1, 4) = false;
  EXPECT_EQ(DayGaps(Teacher(teacher_), 1), 1);
  EXPECT_EQ(GapCount(Teacher(teacher_), 5), 0);
}

TEST_F(ArrangementMeasuresTest, DayGapsOfADayWithoutUsableHoursOrOutsideTheWeekAreNone) {
  PutSingles(teacher_, 1, {1, 3});
  EXPECT_EQ(DayGaps(Teacher(teacher_), 0), 0);
  EXPECT_EQ(DayGaps(Teacher(teacher_), 8), 0);
  Teacher(teacher_).LC1(1) = 0;
  EXPECT_EQ(DayGaps(Teacher(teacher_), 1), 0);
}

TEST_F(ArrangementMeasuresTest, LoneDaysAreTheDaysInUseWithASingleHour) {
  PutSingles(teacher_, 1, {2});
  PutSingles(teacher_, 2, {1, 2});
  PutSingles(teacher_, 4, {6});
  EXPECT_EQ(LoneDayCount(Teacher(teacher_), 5), 2);
  EXPECT_EQ(LoneDayCount(Teacher(teacher_), 3), 1);
  EXPECT_TRUE(HasLoneDay(Teacher(teacher_), 5));
  EXPECT_FALSE(HasLoneDay(Teacher(school_.AddTeacher()), 5));
}

TEST_F(ArrangementMeasuresTest, TheListHoldsTheTeachersWithLessonsAndTheCountsAllTeachers) {
  const int idle = school_.AddTeacher();
  const int other = school_.AddTeacher();
  PutSingles(teacher_, 1, {1, 4});  // 2 gaps
  PutSingles(other, 2, {1, 2});     // a lone day follows
  PutSingles(other, 3, {5});
  EXPECT_EQ(ArrangementTeacherNos(data()), (std::vector<int>{teacher_, other}));
  const ArrangementCounts counts = CountArrangementTargets(data(), 1);
  EXPECT_EQ(counts.teachers_over_gap_threshold, 1);
  EXPECT_EQ(counts.teachers_with_lone_day, 1);
  EXPECT_EQ(CountArrangementTargets(data(), 2).teachers_over_gap_threshold, 0);
  static_cast<void>(idle);
}

TEST_F(ArrangementMeasuresTest, ASlotNamesTheWholeMovableBlockThatCoversIt) {
  const int c = AddLessonOf(teacher_, 3, {3});
  Put(c, 2, 3, 3);
  const std::optional<ArrangedBlock> block = MovableBlockAt(data(), Teacher(teacher_), 2, 4);
  ASSERT_TRUE(block.has_value());
  EXPECT_EQ(block->common_no, c);
  EXPECT_EQ(block->day, 2);
  EXPECT_EQ(block->hour, 3);
  EXPECT_EQ(block->length, 3);
  EXPECT_FALSE(MovableBlockAt(data(), Teacher(teacher_), 2, 6).has_value());
  SetBlockSlotsMovable(data(), c, 2, 3, 3, false);
  EXPECT_FALSE(MovableBlockAt(data(), Teacher(teacher_), 2, 4).has_value());
}

struct LoadCase {
  const char* name;
  std::vector<int> loads;
  int lightest;
  int lightest_day;
  int target;
  bool worth;
};

class DailyLoadSpreadTest : public ArrangementTest,
                            public ::testing::WithParamInterface<LoadCase> {};

TEST_P(DailyLoadSpreadTest, LightestAndTarget) {
  const LoadCase& c = GetParam();
  for (int d = 1; d <= 5; ++d) Teacher(teacher_).LTP(d) = static_cast<uint8_t>(c.loads[d - 1]);
  for (int d = 1; d <= 5; ++d) {
    Teacher(teacher_).LC1(d) = 1;
    Teacher(teacher_).LC2(d) = 7;
  }
  const DailyLoadSpread spread = MeasureDailyLoads(Teacher(teacher_), 5);
  EXPECT_EQ(spread.lightest, c.lightest);
  EXPECT_EQ(spread.lightest_day, c.lightest_day);
  EXPECT_EQ(spread.Target(), c.target);
  EXPECT_EQ(spread.WorthBalancing(), c.worth);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, DailyLoadSpreadTest,
    ::testing::Values(LoadCase{"SixTwoSixFourFour", {6, 2, 6, 4, 4}, 2, 2, 5, true},
                      LoadCase{"FourThreeFourThreeFour", {4, 3, 4, 3, 4}, 3, 2, 3, false},
                      LoadCase{"NoDayAboveTwo", {2, 1, 2, 0, 2}, 0, 4, -1, false},
                      LoadCase{"EmptyWeek", {0, 0, 0, 0, 0}, 0, 1, -1, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(ArrangementMeasuresTest, ADayWithFewerThanThreeOpenHoursIsNeverTheLightest) {
  const std::vector<int> loads = {6, 2, 6, 4, 4};
  for (int d = 1; d <= 5; ++d) {
    Teacher(teacher_).LTP(d) = static_cast<uint8_t>(loads[d - 1]);
    Teacher(teacher_).LC1(d) = 1;
    Teacher(teacher_).LC2(d) = 7;
  }
  for (int h = 3; h <= 7; ++h) Teacher(teacher_).Mv(2, h) = false;
  const DailyLoadSpread spread = MeasureDailyLoads(Teacher(teacher_), 5);
  EXPECT_EQ(spread.lightest, 4);
  EXPECT_EQ(spread.lightest_day, 4);
  EXPECT_FALSE(spread.WorthBalancing());
}

}  // namespace
}  // namespace orvanta::testing
