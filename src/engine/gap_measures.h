#pragma once

#include "data/teacher_record.h"

namespace orvanta {

// A teacher's gap count: over the days in use that have at least two placed hours, the free hours
// with Mv and Lm true between the first and the last lesson of the day within LC1..LC2. 0 for a
// teacher without lessons to teach (LET 0).
int GapCount(const TeacherType& teacher, int days_in_use);

}  // namespace orvanta
