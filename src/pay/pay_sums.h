#pragma once

// The hour sums of the pay computation and the pay sheet, read from a teacher's pay marks (Dd is
// the category of a slot, Pl its count of paid hours). Days 1..7, hours 1..18, categories any
// number (a mark may hold a category above 30).

#include <cstdint>

#include "data/archive/pay_settings.h"
#include "data/teacher_record.h"

namespace orvanta {

// Pl when the slot is marked with category; category 1 also counts extra-lesson marks (4), and
// category 3 ("Maaş Karşılığı") also counts lesson marks (1).
int64_t SlotValue(const TeacherType& teacher, int day, int category, int hour);

// Slot values over hours 1..18.
int64_t DaySum(const TeacherType& teacher, int day, int category);

// For a composite category 1..30, the day sums of its member categories added (members are not
// expanded again); otherwise the day sum.
int64_t CategoryDaySum(const PaySettings& settings, const TeacherType& teacher, int day,
                       int category);

// Category day sums over days 1..7.
int64_t WeekSum(const PaySettings& settings, const TeacherType& teacher, int category);

// Slot values of category over the whole week, composites not expanded.
int64_t WeekSlotValues(const TeacherType& teacher, int category);

// Day sums of the teacher's four calculated categories PX2[1..4] added.
int64_t DayLoad(const TeacherType& teacher, int day);

}  // namespace orvanta
