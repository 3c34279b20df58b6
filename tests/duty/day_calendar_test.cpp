#include "duty/day_calendar.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

std::string Text(const CalendarDate& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.day);
}

TEST(DayCalendarTest, StartsOnTheMondayOfTheWeekOfFirstAugust) {
  struct Case {
    CalendarDate today;
    const char* start;
  };
  const Case cases[] = {
      {{2024, 3, 15}, "2023-7-31"},                                // 1 August 2023 was a Tuesday
      {{2024, 9, 15}, "2024-7-29"}, {{2024, 7, 31}, "2023-7-31"},  // still the school year before
      {{2024, 8, 1}, "2024-7-29"},  {{2021, 8, 20}, "2021-7-26"},  // 1 August 2021 was a Sunday
      {{2020, 8, 20}, "2020-7-27"},                                // a Saturday
      {{2022, 12, 31}, "2022-8-1"},                                // a Monday
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Text(c.today));
    const DayCalendar calendar(c.today);
    EXPECT_EQ(Text(calendar.Start()), c.start);
    EXPECT_EQ(calendar.IndexOf(calendar.Start()), 1);
    EXPECT_EQ(Weekday(calendar.Start()), 1);
  }
}

TEST(DayCalendarTest, DayIndicesAndDatesAgreeAcrossMonthsAndLeapDays) {
  const DayCalendar calendar({2023, 10, 1});  // starts 31 July 2023
  EXPECT_EQ(Text(calendar.DateOf(2)), "2023-8-1");
  EXPECT_EQ(Text(calendar.DateOf(215)), "2024-3-1");
  EXPECT_EQ(Text(calendar.DateOf(214)), "2024-2-29");
  EXPECT_EQ(Text(calendar.DateOf(kCalendarDays)), "2024-9-22");
  for (int index = -10; index <= kCalendarDays + 10; ++index) {
    EXPECT_EQ(calendar.IndexOf(calendar.DateOf(index)), index);
  }
}

TEST(DayCalendarTest, WeekdayRunsFromMondayToSunday) {
  EXPECT_EQ(Weekday({2024, 3, 11}), 1);
  EXPECT_EQ(Weekday({2024, 3, 15}), 5);
  EXPECT_EQ(Weekday({2024, 3, 17}), 7);
  EXPECT_EQ(Weekday({1970, 1, 1}), 4);
  EXPECT_EQ(Weekday({1969, 12, 28}), 7);
  EXPECT_EQ(Weekday({2000, 2, 29}), 2);
}

TEST(DayCalendarTest, WeekNumberIsIndexDivSevenPlusOne) {
  EXPECT_EQ(WeekOfDayIndex(1), 1);
  EXPECT_EQ(WeekOfDayIndex(6), 1);
  EXPECT_EQ(WeekOfDayIndex(7), 2);
  EXPECT_EQ(WeekOfDayIndex(13), 2);
  EXPECT_EQ(WeekOfDayIndex(14), 3);
  EXPECT_EQ(WeekOfDayIndex(kCalendarDays), 61);
}

TEST(DayCalendarTest, CurrentWeekNumberComesFromTheClock) {
  FixedClock clock({2024, 3, 15, 10, 30});
  EXPECT_EQ(CurrentWeekNumber(clock), 33);  // day index 229
  clock.Set({2024, 9, 15});
  EXPECT_EQ(CurrentWeekNumber(clock), 8);  // day index 49
  clock.Set({2024, 8, 1});
  EXPECT_EQ(CurrentWeekNumber(clock), 1);  // day index 4
}

}  // namespace
}  // namespace orvanta
