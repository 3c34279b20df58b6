// The eight placement rules and the gap rule, each on the smallest school that shows it.

#include "engine/placement_rules.h"

#include <gtest/gtest.h>

#include "auto_placement_fixture.h"
#include "engine/gap_measures.h"

namespace orvanta::testing {
namespace {

class RulesTest : public PlacementFixture {
 protected:
  RulesTest() {
    clss_ = school.AddClass();
    teacher_ = school.AddTeacher();
  }
  int Lesson(int hours, std::vector<int> form = {}) {
    return school.AddCommon(school.AddLesson(hours, std::move(form)), {clss_}, {teacher_});
  }
  const CommonType& C(int no) { return school.Common(no); }
  TeacherType& Teacher() { return school.Teacher(teacher_); }
  void SetValue(RunValue entry, int value) { RunValueOf(Teacher(), entry) = value; }

  int clss_;
  int teacher_;
};

TEST_F(RulesTest, DaySpreadAllowsOneBlockADayUnlessOnePlusOne) {
  const int c = Lesson(2, {1, 1});
  Place(c, 1, 2, 1);
  EXPECT_TRUE(DaySpreadHolds(data, C(c), 1, 2, 3));
  EXPECT_FALSE(DaySpreadHolds(data, C(c), 1, 1, 3));
  SetSetting(PlacementSetting::kOnePlusOne, 1);
  EXPECT_TRUE(DaySpreadHolds(data, C(c), 1, 1, 3));  // next to hour 2
  EXPECT_TRUE(DaySpreadHolds(data, C(c), 1, 1, 1));
  EXPECT_FALSE(DaySpreadHolds(data, C(c), 1, 1, 4));  // not next to it
  EXPECT_FALSE(DaySpreadHolds(data, C(c), 2, 1, 3));  // only a single hour may join
}

TEST_F(RulesTest, OnePlusOneNeedsExactlyOneHourThatDay) {
  const int c = Lesson(3, {2, 1});
  Place(c, 1, 1, 2);
  SetSetting(PlacementSetting::kOnePlusOne, 1);
  EXPECT_FALSE(DaySpreadHolds(data, C(c), 1, 1, 3));
}

TEST_F(RulesTest, DailyMaximumStopsAShortBlockButNotALongOne) {
  const int monday = Lesson(5, {5});
  const int c = Lesson(6, {2, 2, 2});
  Place(monday, 1, 1, 5);
  SetValue(RunValue::kDailyMaximum, 6);
  EXPECT_FALSE(DailyMaximumHolds(data, C(c), 2, 1));
  EXPECT_TRUE(DailyMaximumHolds(data, C(c), 1, 1));
  EXPECT_TRUE(DailyMaximumHolds(data, C(c), 6, 1));
  EXPECT_TRUE(DailyMaximumHolds(data, C(c), 6, 2));
  EXPECT_TRUE(DailyMaximumHolds(data, C(c), 2, 2));
}

TEST_F(RulesTest, DefaultSettingsHoldNoTeacherToTheGapRule) {
  const int placed = Lesson(1);
  const int c = Lesson(1);
  Place(placed, 1, 1, 1);
  DeriveValues();
  EXPECT_EQ(RunValueOf(Teacher(), RunValue::kGapRuleOff), 1);
  EXPECT_TRUE(GapsHold(data, C(c), 1, 1, 6));
}

TEST_F(RulesTest, GapRuleWantsTheBlockToTouchOrStayWithinTheAllowance) {
  const int placed = Lesson(1);
  const int c = Lesson(1);
  Place(placed, 1, 1, 1);
  SetValue(RunValue::kGapRuleOff, 0);
  SetValue(RunValue::kMostWeekGaps, 0);
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 2));   // touches hour 1
  EXPECT_FALSE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 3));  // one gap, none allowed
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 1, 2, 5));   // no lesson that day
  SetValue(RunValue::kMostWeekGaps, 2);
  SetValue(RunValue::kLongestGap, 1);
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 3));
  EXPECT_FALSE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 4));
  SetValue(RunValue::kLongestGap, 2);
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 4));
  EXPECT_TRUE(GapsHold(data, C(c), 1, 1, 4));
}

TEST_F(RulesTest, GapRuleLooksForwardToTheNextLesson) {
  const int placed = Lesson(1);
  Place(placed, 1, 6, 1);
  SetValue(RunValue::kGapRuleOff, 0);
  SetValue(RunValue::kMostWeekGaps, 2);
  SetValue(RunValue::kLongestGap, 2);
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 2, 1, 2));   // hours 4, 5 free
  EXPECT_FALSE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 2));  // hours 3, 4, 5 free
}

TEST_F(RulesTest, GapAllowanceShrinksWithTheGapsAlreadyThere) {
  const int placed = Lesson(2, {1, 1});
  Place(placed, 1, 1, 1);
  Place(placed, 1, 3, 1);  // one gap at hour 2
  SetValue(RunValue::kGapRuleOff, 0);
  SetValue(RunValue::kMostWeekGaps, 2);
  SetValue(RunValue::kLongestGap, 2);
  EXPECT_EQ(GapCount(Teacher(), 5), 1);
  EXPECT_TRUE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 5));   // one more gap: allowance 1
  EXPECT_FALSE(TeacherGapRuleHolds(data, Teacher(), 1, 1, 6));  // two more
}

TEST_F(RulesTest, GapCountSkipsClosedHoursAndDaysWithOneLesson) {
  const int placed = Lesson(4, {1, 1, 1, 1});
  Place(placed, 1, 1, 1);
  Place(placed, 1, 5, 1);
  Place(placed, 2, 3, 1);
  CloseTeacher(teacher_, 1, 3, 3);
  EXPECT_EQ(GapCount(Teacher(), 5), 2);  // hours 2 and 4 of Monday
  Teacher().LET = 0;
  EXPECT_EQ(GapCount(Teacher(), 5), 0);
}

TEST_F(RulesTest, SameClassAllowsTwoHoursOfOtherLessonsADay) {
  const int other = Lesson(2, {1, 1});
  const int c = Lesson(2, {2});
  Place(other, 1, 1, 1);
  SetValue(RunValue::kSameClassApart, 1);
  EXPECT_TRUE(SameClassHolds(data, C(c), 1, 1));
  EXPECT_FALSE(SameClassHolds(data, C(c), 2, 1));
  EXPECT_TRUE(SameClassHolds(data, C(c), 2, 2));
  SetValue(RunValue::kSameClassApart, 0);
  EXPECT_TRUE(SameClassHolds(data, C(c), 2, 1));
}

TEST_F(RulesTest, GroupLimitsALessonGroupToTwoHoursADayInAClass) {
  const int first = Lesson(2, {1, 1});
  const int second = Lesson(2, {2});
  school.Lesson(C(first).Le).Gr.SetText("YABANCI DİL");
  school.Lesson(C(second).Le).Gr.SetText("YABANCI DİL");
  Place(first, 1, 1, 1);
  EXPECT_TRUE(GroupHolds(data, C(second), 2, 1));  // setting off
  SetSetting(PlacementSetting::kGroupApart, 1);
  EXPECT_FALSE(GroupHolds(data, C(second), 2, 1));
  EXPECT_TRUE(GroupHolds(data, C(second), 1, 1));
  EXPECT_TRUE(GroupHolds(data, C(second), 2, 2));
  school.Lesson(C(first).Le).Gr.SetText("SPOR");
  EXPECT_TRUE(GroupHolds(data, C(second), 2, 1));
}

class ClassGroupSwitchTest : public RulesTest {
 protected:
  ClassGroupSwitchTest() {
    school.Class(clss_).Id.SetText("1");
    other_class_ = school.AddClass();  // no Id
    own_ = Lesson(3, {1, 1, 1});
    other_ = school.AddCommon(school.AddLesson(3, {1, 1, 1}), {other_class_}, {teacher_});
    SetValue(RunValue::kClassGroupSwitch, 1);
  }
  bool Holds(int h) { return ClassGroupSwitchHolds(data, C(own_), 1, 1, h); }
  int other_class_;
  int own_;
  int other_;
};

TEST_F(ClassGroupSwitchTest, NeverSwitchesInAdjacentHours) {
  Place(other_, 1, 3, 1);
  EXPECT_FALSE(Holds(4));
  EXPECT_FALSE(Holds(2));
  EXPECT_TRUE(Holds(5));
  SetValue(RunValue::kClassGroupSwitch, 0);
  EXPECT_TRUE(Holds(4));
}

TEST_F(ClassGroupSwitchTest, SwitchesAtMostOnceADay) {
  Place(other_, 1, 1, 1);
  Place(other_, 1, 7, 1);
  EXPECT_FALSE(Holds(3));  // other group before and after
  EXPECT_TRUE(Holds(5));   // too close to the end to look forward
}

TEST_F(ClassGroupSwitchTest, NeverReturnsToTheOwnGroup) {
  Place(own_, 1, 1, 1);
  Place(other_, 1, 2, 1);
  EXPECT_FALSE(Holds(4));
}

TEST_F(RulesTest, LoneDayRuleRefusesASingleHourOnAnEmptyDay) {
  const int placed = Lesson(1);
  const int c = Lesson(2, {1, 1});
  Place(placed, 1, 1, 1);
  EXPECT_TRUE(LoneDayHolds(data, C(c), 1, 2));
  SetValue(RunValue::kLoneDay, 1);
  EXPECT_FALSE(LoneDayHolds(data, C(c), 1, 2));
  EXPECT_TRUE(LoneDayHolds(data, C(c), 2, 2));
  EXPECT_TRUE(LoneDayHolds(data, C(c), 1, 1));
}

TEST_F(RulesTest, DayGapKeepsADayBetweenTheFirstTwoDays) {
  const int c = Lesson(6, {2, 2, 2});
  Place(c, 1, 1, 2);
  const SearchPhase first_round{1, 1};
  const SearchPhase second_pass{1, 2};
  EXPECT_FALSE(DayGapHolds(data, C(c), 2, first_round));
  EXPECT_TRUE(DayGapHolds(data, C(c), 3, first_round));
  EXPECT_TRUE(DayGapHolds(data, C(c), 2, second_pass));
  EXPECT_TRUE(DayGapHolds(data, C(c), 2, {2, 1}));
  SetSetting(PlacementSetting::kDayBetween, 1);
  EXPECT_FALSE(DayGapHolds(data, C(c), 2, {5, 2}));
  Place(c, 3, 1, 2);  // two days: the rule has nothing to keep
  EXPECT_TRUE(DayGapHolds(data, C(c), 4, {5, 2}));
}

TEST_F(RulesTest, LessonWithoutTeachersPassesTheTeacherRules) {
  const int c = school.AddCommon(school.AddLesson(2, {2}), {clss_});
  SetSetting(PlacementSetting::kSameClassApart, 1);
  EXPECT_TRUE(RulesHold(data, C(c), 2, 1, 1, {1, 1}));
}

}  // namespace
}  // namespace orvanta::testing
