#pragma once

// The clock is injected wherever a rule depends on the date or time (school year, archive names,
// retention, the information board), so tests set it.

namespace orvanta {

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The local time of the machine.
class SystemClock : public Clock {
 public:
  LocalDateTime Now() const override;
};

// A clock that shows whatever the test set.
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalDateTime now) : now_(now) {}
  LocalDateTime Now() const override { return now_; }
  void Set(LocalDateTime now) { now_ = now; }

 private:
  LocalDateTime now_;
};

// The school year starts in September: September to December give the calendar year, January to
// August the year before.
int SchoolYear(const LocalDateTime& date);

}  // namespace orvanta
