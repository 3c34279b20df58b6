#pragma once

// The order in which the pay recount tries the weekdays: the least loaded day first.

#include <array>

#include "data/teacher_record.h"

namespace orvanta {

using WeekdayOrder = std::array<int, 5>;

// Monday, Friday, Wednesday, Tuesday, Thursday, sorted by ascending DayLoad with a selection sort
// that swaps position i with any later position whose load is smaller. The swap can move a day
// behind another of equal load; which slots get paid depends on this exact order.
WeekdayOrder DayOrder(const TeacherType& teacher);

}  // namespace orvanta
