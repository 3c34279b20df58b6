// Preparation of an automatic run: elapsed time text, teacher ranks, tours, next block length
// and the run values.

#include <gtest/gtest.h>

#include "auto_placement_fixture.h"
#include "engine/elapsed_time.h"
#include "engine/next_block_length.h"
#include "engine/teacher_rank.h"
#include "engine/tours.h"

namespace orvanta::testing {
namespace {

TEST(ElapsedTimeTest, WritesHoursMinutesSecondsToWidthTwo) {
  const struct {
    int seconds;
    const char* text;
  } cases[] = {{0, "00:00:00"},    {59, "00:00:59"},    {60, "00:01:00"},
               {3725, "01:02:05"}, {86399, "23:59:59"}, {360000, "100:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(ElapsedTimeText(c.seconds), c.text) << c.seconds;
}

class RankTest : public PlacementFixture {
 protected:
  int TeacherWith(int dat, int let) {
    const int no = school.AddTeacher();
    TeacherType& teacher = school.Teacher(no);
    teacher.DAT = static_cast<uint8_t>(dat);
    teacher.LET = static_cast<uint8_t>(let);
    teacher.LC1(1) = 1;
    teacher.LC2(1) = 8;
    RankTeacher(teacher, 5);
    return no;
  }
};

TEST_F(RankTest, FewerAvailableHoursRankHigher) {
  const int a = TeacherWith(30, 20);
  const int b = TeacherWith(25, 18);
  EXPECT_EQ(school.Teacher(a).ORX, 100969120);
  EXPECT_EQ(school.Teacher(b).ORX, 100974118);
  EXPECT_EQ(RankedRunList(data), (std::vector<int>{b, a}));
}

TEST_F(RankTest, LongDaysComeFirst) {
  const int short_days = TeacherWith(10, 9);
  const int long_day = TeacherWith(40, 30);
  school.Teacher(long_day).LC1(3) = 1;
  school.Teacher(long_day).LC2(3) = 11;  // longer than 10 hours
  RankTeacher(school.Teacher(long_day), 5);
  EXPECT_EQ(school.Teacher(long_day).LNX, 1);
  EXPECT_EQ(school.Teacher(long_day).ORX, 101959130);
  EXPECT_EQ(school.Teacher(short_days).LNX, 0);
  EXPECT_EQ(RankedRunList(data), (std::vector<int>{long_day, short_days}));
}

TEST_F(RankTest, CompleteTeachersAreLeftOutAndEqualRanksFollowTheExchangeOrder) {
  const int a = TeacherWith(30, 10);
  const int b = TeacherWith(30, 10);
  const int c = TeacherWith(20, 10);
  const int done = TeacherWith(5, 4);
  school.Teacher(done).PUT = 4;
  // a and b are equal: the exchange that brings c to the front moves a behind b.
  EXPECT_EQ(RankedRunList(data), (std::vector<int>{c, b, a}));
}

TEST_F(PlacementFixture, ToursAreTheDistinctLengthsOfOpenLessonsWithTeachers) {
  const int clss = school.AddClass();
  const int teacher = school.AddTeacher();
  school.AddCommon(school.AddLesson(5, {2, 2, 1}), {clss}, {teacher});
  school.AddCommon(school.AddLesson(3, {3}), {clss});  // no teacher
  const int complete = school.AddCommon(school.AddLesson(4, {4}), {clss}, {teacher});
  Place(complete, 1, 1, 4);
  EXPECT_EQ(TourLengths(data), (std::vector<int>{1, 2}));
}

class NextBlockTest : public PlacementFixture {
 protected:
  NextBlockTest() {
    clss_ = school.AddClass();
    common_ = school.AddCommon(school.AddLesson(5, {2, 2, 1}), {clss_}, {school.AddTeacher()});
  }
  int Next() { return NextBlockLength(school.Common(common_)); }
  int clss_;
  int common_;
};

TEST_F(NextBlockTest, EachPlacedBlockCancelsOneEntryOfItsLength) {
  EXPECT_EQ(Next(), 2);
  Place(common_, 1, 1, 2);
  EXPECT_EQ(Next(), 2);
  Place(common_, 2, 1, 2);
  EXPECT_EQ(Next(), 1);
  Place(common_, 3, 1, 1);
  EXPECT_LE(Next(), 0);
}

TEST_F(NextBlockTest, SingleHourPlacedFirstLeavesBothDoubles) {
  Place(common_, 4, 3, 1);
  EXPECT_EQ(Next(), 2);
  Place(common_, 1, 1, 2);
  EXPECT_EQ(Next(), 2);
}

TEST_F(NextBlockTest, BlockOfNoFormLengthLeavesTheEntriesThatStillFit) {
  Place(common_, 1, 1, 3);  // 3 of 5 placed, no entry cancelled
  EXPECT_EQ(Next(), 2);
}

TEST_F(NextBlockTest, WithoutFormTheRemainingHoursAreOneBlock) {
  school.Common(common_).LF.Fill(0);
  EXPECT_EQ(Next(), 5);
  Place(common_, 1, 1, 2);
  EXPECT_EQ(Next(), 3);
}

class RunValuesTest : public PlacementFixture {
 protected:
  RunValuesTest() {
    clss_ = school.AddClass();
    teacher_ = school.AddTeacher();
  }
  TeacherType& Teacher() { return school.Teacher(teacher_); }
  int Value(RunValue entry) { return RunValueOf(Teacher(), entry); }
  int clss_;
  int teacher_;
};

TEST_F(RunValuesTest, CombineSettingsWithTheTeachersOwnChoices) {
  school.AddCommon(school.AddLesson(4, {2, 2}), {clss_}, {teacher_});
  SetSetting(PlacementSetting::kGapsAllowed, 0);
  SetSetting(PlacementSetting::kSameClassApart, 1);
  SetSetting(PlacementSetting::kOnePlusOne, 1);
  Teacher().sp_cn(4) = 0;  // the teacher does not want the same-class rule
  Teacher().sg_cn(19) = 1;
  Teacher().sg_cn(20) = 5;
  DeriveValues();
  EXPECT_EQ(Value(RunValue::kGapRuleOff), 0);  // 4 + 2 < 35 available hours
  EXPECT_EQ(Value(RunValue::kMostWeekGaps), 2);
  EXPECT_EQ(Value(RunValue::kLongestGap), 2);
  EXPECT_EQ(Value(RunValue::kSameClassApart), 0);
  EXPECT_EQ(Value(RunValue::kOnePlusOne), 1);
  EXPECT_EQ(Value(RunValue::kDailyMaximum), 7);
  EXPECT_EQ(Value(RunValue::kClassGroupSwitch), 0);
  EXPECT_EQ(Value(RunValue::kLoneDay), 0);
  EXPECT_EQ(Value(RunValue::kSpare), 0);
}

TEST_F(RunValuesTest, TightTeachersAreFreedFromTheGapRule) {
  school.AddCommon(school.AddLesson(7, {7}), {clss_}, {teacher_});
  SetSetting(PlacementSetting::kGapsAllowed, 0);
  for (int d = 2; d <= 5; ++d) CloseTeacher(teacher_, d, 1, 7);
  CloseTeacher(teacher_, 1, 7, 7);  // DAT 6: 7 + 2 >= 6
  DeriveValues();
  EXPECT_EQ(Teacher().DAT, 6);
  EXPECT_EQ(Value(RunValue::kGapRuleOff), 1);
}

TEST_F(RunValuesTest, DailyMaximumGrowsByOneWhenTheHoursDoNotFit) {
  school.AddCommon(school.AddLesson(10, {5, 5}), {clss_}, {teacher_});
  Teacher().sp_cn(6) = 4;
  for (int d = 3; d <= 5; ++d) CloseTeacher(teacher_, d, 1, 7);
  DeriveValues();  // two open days at 4 hours hold 8 < 10
  EXPECT_EQ(Value(RunValue::kDailyMaximum), 5);
  Teacher().sp_cn(6) = 5;
  DeriveValues();
  EXPECT_EQ(Value(RunValue::kDailyMaximum), 5);
}

TEST_F(RunValuesTest, ClassGroupSwitchNeedsBothKindsOfClass) {
  const int other = school.AddClass();
  school.Class(other).Id.SetText("1");
  school.AddCommon(school.AddLesson(2), {clss_}, {teacher_});
  DeriveValues();
  EXPECT_EQ(Value(RunValue::kClassGroupSwitch), 0);
  school.AddCommon(school.AddLesson(2),
                   {other});  // any class lesson counts, with or without teacher
  DeriveValues();
  EXPECT_EQ(Value(RunValue::kClassGroupSwitch), 1);
}

}  // namespace
}  // namespace orvanta::testing
