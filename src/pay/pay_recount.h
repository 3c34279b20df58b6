#pragma once

#include "data/archive/pay_settings.h"
#include "data/school_data.h"

namespace orvanta {

// Re-marks the paid additional hours in one teacher's week grid (Dd and Pl) from the teacher's
// placed lessons and pay settings. Run after the teacher's grid has changed. An unknown teacher
// No does nothing.
void PayRecountTeacher(SchoolData& data, int teacher_no);

// PayRecountTeacher for every teacher in list order.
void PayRecountAll(SchoolData& data);

// The recount of one teacher record. Lesson slots must already carry their lesson's category
// (SetPayMarks). First every calculated mark is taken back (guidance, club and preparation marks
// cleared, extra-lesson and "Maaş Karşılığı" marks made lessons again), then guidance, club and
// preparation hours are placed in free slots and the lessons above the quota become extra
// lessons. While the calculated categories PX2[1..4] lie above 3, running it twice changes
// nothing.
void PayRecount(const PaySettings& settings, TeacherType& teacher);

}  // namespace orvanta
