#include "pay/pay_recount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pay_test_teacher.h"

namespace orvanta {
namespace {

// The hours of days 1..5 marked with category, as "Mon|Tue|Wed|Thu|Fri".
std::string WeekMarks(const TeacherType& teacher, int category) {
  std::string text;
  for (int day = 1; day <= 5; ++day)
    text += (day > 1 ? "|" : "") + MarkedHours(teacher, day, category);
  return text;
}

bool SameRecord(const TeacherType& a, const TeacherType& b) {
  return std::memcmp(&a, &b, sizeof(TeacherType)) == 0;
}

class PayRecountTest : public ::testing::Test {
 protected:
  // Lessons on hours 1..per_day of Monday to Friday; no preparation and no extra hours unless a
  // test asks for them.
  PayTeacher WeekdayTeacher(int per_day) {
    PayTeacher teacher;
    for (int day = 1; day <= 5; ++day) teacher.Lessons(day, 1, per_day);
    teacher.Quota(40).Divisor(0);
    return teacher;
  }
  void Recount(PayTeacher& teacher) { PayRecount(settings_, *teacher); }

  PaySettings settings_ = DefaultPaySettings();
};

TEST_F(PayRecountTest, ExtraHoursComeFromTheLatestLessonsOfTheLeastLoadedDays) {
  PayTeacher teacher = WeekdayTeacher(4);
  teacher.Quota(15);
  Recount(teacher);
  EXPECT_EQ(WeekMarks(*teacher, 4), "4|4|4|4|4");
  EXPECT_EQ(WeekMarks(*teacher, 1), "3 2 1|3 2 1|3 2 1|3 2 1|3 2 1");
}

TEST_F(PayRecountTest, CapLimitsTheExtraHours) {
  PayTeacher teacher = WeekdayTeacher(4);
  teacher.Quota(15).Cap(3);
  Recount(teacher);
  // Monday, then Friday and Wednesday: each conversion loads its day.
  EXPECT_EQ(WeekMarks(*teacher, 4), "4||4||4");
  EXPECT_EQ(MarkCount(*teacher, 1), 17);
}

TEST_F(PayRecountTest, ExtraLessonsGoToTheTeachersOwnCategory) {
  PayTeacher teacher = WeekdayTeacher(4);
  teacher.Quota(18).Categories(21, 22, 23, 24);
  Recount(teacher);
  EXPECT_EQ(WeekMarks(*teacher, 21), "4||||4");
  EXPECT_EQ(MarkCount(*teacher, 4), 0);
}

struct GuidanceCase {
  const char* name;
  bool on_lesson_day;
  int form;  // 0 "2 biçimde ver", 1 "1 + 1 biçiminde ver"
  int day1;  // 0 = Monday
  int day2;
  const char* marks;
};

// Guidance lessons on Wednesday hours 5 and 6.
TEST_F(PayRecountTest, GuidanceHoursFollowTheGuidanceOptions) {
  const GuidanceCase cases[] = {
      {"together on the lesson day", true, 0, 0, 0, "||18 17||"},
      {"one on the lesson day, one on day 1", true, 1, 1, 3, "|18|18||"},
      {"lesson day is day 1, so day 2", true, 1, 2, 4, "||18||18"},
      {"one plus one on the option days", false, 1, 0, 3, "18|||18|"},
      {"together on day 1", false, 0, 1, 0, "|18 17|||"},
  };
  for (const GuidanceCase& c : cases) {
    SCOPED_TRACE(c.name);
    settings_.guidance_on_lesson_day = c.on_lesson_day;
    settings_.guidance_form = c.form;
    settings_.guidance_day1 = c.day1;
    settings_.guidance_day2 = c.day2;
    PayTeacher teacher = WeekdayTeacher(4);
    teacher.Lessons(3, 5, 2, 2);
    Recount(teacher);
    EXPECT_EQ(WeekMarks(*teacher, 5), c.marks);
  }
}

TEST_F(PayRecountTest, GuidanceNeverLandsOnAnEmptyDayWhenTheOptionIsOn) {
  settings_.guidance_day1 = 1;  // Tuesday, a day without lessons
  PayTeacher teacher;
  teacher.Quota(40).Divisor(0).Lessons(1, 1, 16).Lessons(1, 17, 2, 2);  // Monday is full
  settings_.no_guidance_on_free_day = 1;
  PayTeacher on = teacher;
  Recount(on);
  EXPECT_EQ(MarkCount(*on, 5), 0);

  settings_.no_guidance_on_free_day = 0;
  PayTeacher off = teacher;
  Recount(off);
  EXPECT_EQ(WeekMarks(*off, 5), "|18 17|||");
}

TEST_F(PayRecountTest, GuidanceThatDoesNotFitGoesFromFridayBack) {
  settings_.guidance_day1 = 1;  // Tuesday, a day without lessons: skipped
  PayTeacher teacher;
  teacher.Quota(40).Divisor(0).Lessons(1, 1, 4).Lessons(4, 1, 4).Lessons(4, 5, 2, 2);
  Recount(teacher);
  EXPECT_EQ(WeekMarks(*teacher, 5), "|||18 17|");
}

TEST_F(PayRecountTest, ClubLeaderWithoutGuidanceGetsTwoClubHours) {
  PayTeacher teacher = WeekdayTeacher(4);
  teacher.Club();
  PayTeacher together = teacher;
  Recount(together);
  EXPECT_EQ(WeekMarks(*together, 6), "18 17||||");

  settings_.club_form = 1;
  settings_.club_day1 = 1;
  settings_.club_day2 = 3;
  PayTeacher split = teacher;
  Recount(split);
  EXPECT_EQ(WeekMarks(*split, 6), "|18||18|");

  PayTeacher with_guidance = teacher;
  with_guidance.Lessons(2, 5, 1, 2);
  Recount(with_guidance);
  EXPECT_EQ(MarkCount(*with_guidance, 6), 0);
}

TEST_F(PayRecountTest, ClubHoursThatDoNotFitGoToTheDaysInDayOrder) {
  PayTeacher teacher = WeekdayTeacher(4);
  teacher.Club().Lessons(1, 5, 14);  // Monday, the club day, is full
  Recount(teacher);
  EXPECT_EQ(WeekMarks(*teacher, 6), "||||18 17");
}

struct PreparationCase {
  const char* name;
  int distribution;  // "EK DERSLERİN DAĞILIMI"
  bool on_friday;
  const char* marks;
};

TEST_F(PayRecountTest, PreparationHoursSpreadOrGather) {
  const PreparationCase cases[] = {
      {"spread over the least loaded days", 0, false, "18||||18"},
      {"Son günlere topla", 1, false, "||||18 17"},
      {"Hazırlık Planlama'yı Cumaya ver", 0, true, "||||18 17"},
  };
  for (const PreparationCase& c : cases) {
    SCOPED_TRACE(c.name);
    settings_.extra_lesson_distribution = c.distribution;
    settings_.preparation_on_friday = c.on_friday;
    PayTeacher teacher = WeekdayTeacher(5);  // weighted base 25
    teacher.Divisor(10);
    Recount(teacher);
    EXPECT_EQ(WeekMarks(*teacher, 8), c.marks);
  }
}

TEST_F(PayRecountTest, GatheredPreparationSkipsAnEmptyFridayWhenTheOptionIsOn) {
  settings_.extra_lesson_distribution = 1;
  PayTeacher teacher;
  teacher.Quota(40).Divisor(10);
  for (int day = 1; day <= 4; ++day) teacher.Lessons(day, 1, 6);
  PayTeacher on = teacher;
  Recount(on);
  EXPECT_EQ(WeekMarks(*on, 8), "|||18 17|");

  settings_.no_preparation_on_free_days = 0;
  PayTeacher off = teacher;
  Recount(off);
  EXPECT_EQ(WeekMarks(*off, 8), "||||18 17");
}

TEST_F(PayRecountTest, ResetTakesBackEarlierMarksAndKeepsHandMarks) {
  PayTeacher teacher = WeekdayTeacher(2);
  teacher
      .Mark(2, 10, 5, 1)    // guidance pay where no guidance is due
      .Mark(2, 11, 6, 1)    // club without a club
      .Mark(2, 12, 8, 1)    // preparation without a divisor
      .Mark(3, 1, 4, 1)     // an extra lesson on a lesson slot
      .Mark(3, 12, 3, 2)    // "Maaş Karşılığı"
      .Mark(4, 12, 11, 3);  // "Egzersiz" by hand
  Recount(teacher);
  EXPECT_EQ(WeekMarks(*teacher, 1), "2 1|2 1|12 2 1|2 1|2 1");
  EXPECT_EQ(teacher->Pl(3, 12), 1);
  EXPECT_EQ(MarkCount(*teacher, 5) + MarkCount(*teacher, 6) + MarkCount(*teacher, 8), 0);
  EXPECT_EQ(MarkCount(*teacher, 3) + MarkCount(*teacher, 4), 0);
  EXPECT_EQ(teacher->Dd(4, 12), 11);
  EXPECT_EQ(teacher->Pl(4, 12), 3);
}

TEST_F(PayRecountTest, RecountingAgainChangesNothing) {
  for (int extra : {4, 21}) {
    SCOPED_TRACE("calculated categories from " + std::to_string(extra));
    PayTeacher teacher = WeekdayTeacher(5);
    teacher.Quota(15).Divisor(10).Lessons(3, 6, 2, 2);
    if (extra == 21) teacher.Categories(21, 22, 23, 24);
    Recount(teacher);
    const TeacherType first = teacher.record();
    Recount(teacher);
    EXPECT_TRUE(SameRecord(first, teacher.record()));
    const int extra_mark = teacher->PX2(1), guidance = teacher->PX2(2), prep = teacher->PX2(4);
    EXPECT_EQ(MarkCount(*teacher, extra_mark), 10);  // 25 lessons, quota 15
    EXPECT_EQ(MarkCount(*teacher, guidance), 2);
    EXPECT_EQ(MarkCount(*teacher, prep), 2);  // weighted base 27, divisor 10
  }
}

TEST(PayRecountDataTest, RecountsOnlyTheNamedTeacher) {
  SchoolData data("/nonexistent");
  FillDefaults(data.pay_settings);
  PayTeacher first;
  first.Quota(1).Divisor(0).Lessons(1, 1, 3);
  PayTeacher second = first;
  second->No = 2;
  data.teachers.Append(*first);
  data.teachers.Append(*second);

  PayRecountTeacher(data, 99);
  EXPECT_EQ(MarkCount(*data.teachers.Find(1), 4), 0);
  PayRecountTeacher(data, 2);
  EXPECT_EQ(MarkCount(*data.teachers.Find(1), 4), 0);
  EXPECT_EQ(MarkCount(*data.teachers.Find(2), 4), 2);
  PayRecountAll(data);
  EXPECT_EQ(MarkCount(*data.teachers.Find(1), 4), 2);
}

// A hand mark whose category number equals another teacher's preparation divisor is not taken
// by the reset.
TEST(PayRecountDataTest, HandMarksSurviveARecountOfAllTeachers) {
  SchoolData data("/nonexistent");
  FillDefaults(data.pay_settings);
  PayTeacher first;
  first.Divisor(12).Lessons(1, 1, 3);
  PayTeacher second;
  second->No = 2;
  second.Lessons(1, 1, 3).Mark(2, 5, 12, 1);
  data.teachers.Append(*first);
  data.teachers.Append(*second);
  PayRecountAll(data);
  EXPECT_EQ(data.teachers.Find(2)->Dd(2, 5), 12);
  EXPECT_EQ(data.teachers.Find(2)->Pl(2, 5), 1);
}

}  // namespace
}  // namespace orvanta
