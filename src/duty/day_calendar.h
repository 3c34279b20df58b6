#pragma once

// The school year's day calendar: 420 numbered days (60 weeks) from the Monday of the week that
// holds 1 August. Duty assignments are stored by day index, and the sibling pay product keeps
// per-week teacher values by the week number of a day index.

#include "data/clock.h"

namespace orvanta {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

inline constexpr int kCalendarDays = 420;

// Unlike the pay settings folder, the calendar turns over on 1 August: August to December give
// the calendar year, January to July the year before.
int CalendarSchoolYear(const CalendarDate& today);

// Monday 1 .. Sunday 7.
int Weekday(const CalendarDate& date);

// Days from 1 January 1970 (negative before); any valid date, leap years counted.
int DaySerial(const CalendarDate& date);
CalendarDate DateOfSerial(int serial);

// The calendar of the school year that today belongs to. It is built afresh from today's date on
// every use, so a stored day index names another date once 1 August has passed.
class DayCalendar {
 public:
  explicit DayCalendar(const CalendarDate& today);

  CalendarDate Start() const { return DateOfSerial(start_serial_); }
  // Any index, also outside 1..420.
  CalendarDate DateOf(int index) const { return DateOfSerial(start_serial_ + index - 1); }
  // 1 for the calendar start; below 1 or above 420 for dates outside the calendar.
  int IndexOf(const CalendarDate& date) const { return DaySerial(date) - start_serial_ + 1; }

 private:
  int start_serial_;
};

// index div 7 + 1, as the stored week tables count: day indices 1..6 are week 1, the first
// Sunday (index 7) already week 2.
int WeekOfDayIndex(int index);

// The week number of today's date in today's calendar.
int CurrentWeekNumber(const Clock& clock);

}  // namespace orvanta
