#pragma once

#include "data/school_data.h"

namespace orvanta {

// Re-marks the paid additional hours in one teacher's week grid (Dd and Pl) from the teacher's
// placed lessons and pay settings. Run after the teacher's grid has changed. An unknown teacher
// No does nothing.
void PayRecountTeacher(SchoolData& data, int teacher_no);

}  // namespace orvanta
