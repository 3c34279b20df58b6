#include "duty/day_calendar.h"

namespace orvanta {
namespace {

// Whole-day arithmetic on the proleptic Gregorian calendar, counted in 400-year eras of 146097
// days starting on 1 March, so the leap day is the last day of its year.
int FloorDiv(int a, int b) { return (a >= 0 ? a : a - b + 1) / b; }
int FloorMod(int a, int b) { return a - FloorDiv(a, b) * b; }

}  // namespace

int DaySerial(const CalendarDate& date) {
  const int year = date.month <= 2 ? date.year - 1 : date.year;
  const int era = FloorDiv(year, 400);
  const int year_of_era = year - era * 400;
  const int month_from_march = date.month > 2 ? date.month - 3 : date.month + 9;
  const int day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CalendarDate DateOfSerial(int serial) {
  const int shifted = serial + 719468;
  const int era = FloorDiv(shifted, 146097);
  const int day_of_era = shifted - era * 146097;
  const int year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int month_from_march = (5 * day_of_year + 2) / 153;
  CalendarDate date;
  date.day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
  date.month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
  date.year = year_of_era + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

int CalendarSchoolYear(const CalendarDate& today) {
  return today.month >= 8 ? today.year : today.year - 1;
}

// 1 January 1970 was a Thursday.
int Weekday(const CalendarDate& date) { return FloorMod(DaySerial(date) + 3, 7) + 1; }

DayCalendar::DayCalendar(const CalendarDate& today) {
  const CalendarDate first_august{CalendarSchoolYear(today), 8, 1};
  start_serial_ = DaySerial(first_august) - (Weekday(first_august) - 1);
}

int WeekOfDayIndex(int index) { return FloorDiv(index, 7) + 1; }

int CurrentWeekNumber(const Clock& clock) {
  const LocalDateTime now = clock.Now();
  const CalendarDate today{now.year, now.month, now.day};
  return WeekOfDayIndex(DayCalendar(today).IndexOf(today));
}

}  // namespace orvanta
