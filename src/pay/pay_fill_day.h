#pragma once

// Placing calculated pay hours into a teacher's free slots (no class lesson, no mark).

#include <cstdint>

#include "data/teacher_record.h"

namespace orvanta {

// A day without lesson (category 1) and guidance (category 2) hours: the pay options can keep
// calculated hours off such days.
bool IsEmptyPayDay(const TeacherType& teacher, int day);

// Marks up to hours free slots of day with category and count 1, from hour 18 down, and returns
// how many it marked. Nothing is marked on a day outside 1..7, and nothing on an empty pay day
// when skip_empty_day is set.
int64_t FillDay(TeacherType& teacher, int day, int64_t hours, int category, bool skip_empty_day);

}  // namespace orvanta
