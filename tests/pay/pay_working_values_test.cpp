#include "pay/pay_working_values.h"

#include <gtest/gtest.h>

#include "pay_test_teacher.h"

namespace orvanta {
namespace {

// Weekday lessons Monday to Friday, filled from hour 1, one day after another.
PayTeacher TeacherWithLessons(int lessons) {
  PayTeacher teacher;
  for (int day = 1; lessons > 0; ++day) {
    const int today = lessons < 8 ? lessons : 8;
    teacher.Lessons(day, 1, today);
    lessons -= today;
  }
  return teacher;
}

TEST(PayWorkingValuesTest, LessonsAboveTheQuotaAreExtraHoursUpToTheCap) {
  struct Case {
    int lessons, quota, cap;
    int64_t extra;
  };
  const Case cases[] = {{20, 15, 0, 5}, {20, 15, 3, 3}, {20, 15, 9, 5},
                        {15, 15, 0, 0}, {10, 15, 0, 0}, {20, 0, 0, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.lessons) + " lessons, quota " + std::to_string(c.quota) +
                 ", cap " + std::to_string(c.cap));
    PayTeacher teacher = TeacherWithLessons(c.lessons);
    teacher.Quota(c.quota).Cap(c.cap);
    const PayWorkingValues values = ComputePayWorkingValues(DefaultPaySettings(), *teacher);
    EXPECT_EQ(values.lessons, c.lessons);
    EXPECT_EQ(values.extra_hours, c.extra);
  }
}

TEST(PayWorkingValuesTest, PreparationHoursAreTheWeightedBaseDividedByTheDivisor) {
  struct Case {
    int divisor;
    int64_t preparation;
  };
  for (const Case& c :
       {Case{10, 2}, Case{12, 2}, Case{13, 1}, Case{26, 0}, Case{0, 0}, Case{-5, 0}}) {
    SCOPED_TRACE("divisor " + std::to_string(c.divisor));
    PayTeacher teacher = TeacherWithLessons(23);
    teacher.Lessons(5, 10, 2, 2).Divisor(c.divisor);  // 2 guidance lessons, "Matrah" 1 as well
    const PayWorkingValues values = ComputePayWorkingValues(DefaultPaySettings(), *teacher);
    EXPECT_EQ(values.weighted_base, 25);
    EXPECT_EQ(values.preparation_hours, c.preparation);
  }
}

TEST(PayWorkingValuesTest, WeightedBaseUsesEachCategorysWeight) {
  PaySettings settings = DefaultPaySettings();
  settings.categories(11).base_weight = 3;
  settings.categories(2).base_weight = 0;
  PayTeacher teacher = TeacherWithLessons(10);
  teacher.Mark(6, 1, 11, 2).Lessons(5, 10, 2, 2);
  EXPECT_EQ(ComputePayWorkingValues(settings, *teacher).weighted_base, 10 + 2 * 3);
}

TEST(PayWorkingValuesTest, GuidanceHoursMayWaitForTheSalaryQuota) {
  struct Case {
    bool needs_quota;
    int lessons;
    int64_t guidance;
  };
  const Case cases[] = {{false, 3, 2}, {true, 13, 0}, {true, 14, 1}, {true, 15, 2}, {true, 20, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.lessons) + " lessons, option " + std::to_string(c.needs_quota));
    PaySettings settings = DefaultPaySettings();
    settings.guidance_needs_salary_hours = c.needs_quota;
    PayTeacher teacher = TeacherWithLessons(c.lessons);
    teacher.Lessons(6, 1, 2, 2);
    EXPECT_EQ(ComputePayWorkingValues(settings, *teacher).guidance_hours, c.guidance);
  }
  PayTeacher without_guidance = TeacherWithLessons(20);
  EXPECT_EQ(ComputePayWorkingValues(DefaultPaySettings(), *without_guidance).guidance_hours, 0);
}

TEST(PayWorkingValuesTest, ClubHoursOnlyWithoutGuidanceAndWithLessons) {
  PayTeacher club = TeacherWithLessons(10);
  club.Club();
  EXPECT_EQ(ComputePayWorkingValues(DefaultPaySettings(), *club).club_hours, 2);

  PayTeacher club_with_guidance = TeacherWithLessons(10);
  club_with_guidance.Club().Lessons(6, 1, 1, 2);
  EXPECT_EQ(ComputePayWorkingValues(DefaultPaySettings(), *club_with_guidance).club_hours, 0);

  PayTeacher club_without_lessons;
  club_without_lessons.Club();
  EXPECT_EQ(ComputePayWorkingValues(DefaultPaySettings(), *club_without_lessons).club_hours, 0);

  PayTeacher no_club = TeacherWithLessons(10);
  EXPECT_EQ(ComputePayWorkingValues(DefaultPaySettings(), *no_club).club_hours, 0);
}

}  // namespace
}  // namespace orvanta
