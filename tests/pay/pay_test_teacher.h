#pragma once

// A teacher and pay settings as the pay tests need them: a new teacher record whose lesson slots
// carry the marks SetPayMarks gives them, and the settings of a new option.ts2.

#include <string>

#include "data/archive/pay_settings.h"
#include "data/record_defaults.h"
#include "data/teacher_record.h"

namespace orvanta {

inline PaySettings DefaultPaySettings() {
  PaySettings settings;
  FillDefaults(settings);
  return settings;
}

class PayTeacher {
 public:
  PayTeacher() {
    teacher_ = TeacherType{};
    FillDefaults(teacher_);
    teacher_.No = 1;
  }

  // Class lessons in hours first..first+count-1 of day, marked with category as SetPayMarks does.
  PayTeacher& Lessons(int day, int first, int count, int category = 1) {
    for (int hour = first; hour < first + count; ++hour) {
      teacher_.Cm(day, hour) = 1;
      Mark(day, hour, category, 1);
    }
    return *this;
  }
  PayTeacher& Mark(int day, int hour, int category, int count) {
    teacher_.Dd(day, hour) = category;
    teacher_.Pl(day, hour) = count;
    return *this;
  }
  PayTeacher& Quota(int hours) { return Px1(1, hours); }
  PayTeacher& Divisor(int hours) { return Px1(2, hours); }
  PayTeacher& Cap(int hours) { return Px1(4, hours); }
  PayTeacher& Club() { return Px1(5, 1); }
  PayTeacher& Px1(int i, int value) {
    teacher_.PX1(i) = value;
    return *this;
  }
  PayTeacher& Categories(int extra, int guidance, int club, int preparation) {
    teacher_.PX2(1) = extra;
    teacher_.PX2(2) = guidance;
    teacher_.PX2(3) = club;
    teacher_.PX2(4) = preparation;
    return *this;
  }

  TeacherType& operator*() { return teacher_; }
  TeacherType* operator->() { return &teacher_; }
  const TeacherType& record() const { return teacher_; }

 private:
  TeacherType teacher_;
};

// The hours of day marked with category, as text: "18 17" (latest first), "" when none.
inline std::string MarkedHours(const TeacherType& teacher, int day, int category) {
  std::string text;
  for (int hour = kHours; hour >= 1; --hour) {
    if (teacher.Dd(day, hour) != category) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(hour);
  }
  return text;
}

// How many slots of the week are marked with category.
inline int MarkCount(const TeacherType& teacher, int category) {
  int count = 0;
  for (int day = 1; day <= kDays; ++day) {
    for (int hour = 1; hour <= kHours; ++hour) count += teacher.Dd(day, hour) == category;
  }
  return count;
}

}  // namespace orvanta
