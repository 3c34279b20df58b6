#include "data/archive/local_time_arithmetic.h"

#include <chrono>

namespace orvanta {
namespace {

constexpr int64_t kMillisecondsPerDay = 86'400'000;

}  // namespace

int64_t DayNumber(const LocalDateTime& t) {
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                            day{static_cast<unsigned>(t.day)}};
  return sys_days(date).time_since_epoch().count();
}

int64_t MillisecondNumber(const LocalDateTime& t) {
  return DayNumber(t) * kMillisecondsPerDay +
         ((t.hour * 60 + t.minute) * 60 + t.second) * int64_t{1000} + t.millisecond;
}

LocalDateTime FromMillisecondNumber(int64_t milliseconds) {
  using namespace std::chrono;
  int64_t days = milliseconds / kMillisecondsPerDay;
  int64_t rest = milliseconds % kMillisecondsPerDay;
  if (rest < 0) {
    rest += kMillisecondsPerDay;
    --days;
  }
  const year_month_day date{sys_days(std::chrono::days(days))};
  LocalDateTime t;
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.millisecond = static_cast<int>(rest % 1000);
  rest /= 1000;
  t.second = static_cast<int>(rest % 60);
  rest /= 60;
  t.minute = static_cast<int>(rest % 60);
  t.hour = static_cast<int>(rest / 60);
  return t;
}

}  // namespace orvanta
