#pragma once

// A pay mark put into one slot of a teacher's week grid by hand (the pay screen, the teacher
// screen's F9) or when marks are carried over (rebuild, import, pay initialisation).

#include "data/teacher_record.h"

namespace orvanta {

// Marks slot (day, hour) with category and count digit (0..9), without looking at Cm:
// - a category equal to one of the teacher's PX2[1..4] becomes that calculated category's code;
// - digit 0 clears the slot, and so does a category of 0 or below (no pay category);
// - category 1 or 2 toggles: an unmarked count is set to 1 with that category, unless the slot
//   holds another category that the mark may not replace; a non-zero count is cleared;
// - a calculated category is stored with count 1; any other category with count digit.
// A slot outside days 1..7 or hours 1..18 is left alone.
void SetMark(TeacherType& teacher, int day, int hour, int digit, int category);

}  // namespace orvanta
