#pragma once

#include "data/school_data.h"

namespace orvanta {

// Writes the run values (sg_cn) of every teacher from the placement settings and the teacher's
// own preferences, as every automatic run does at its start. REQUIRES: the teachers' LET, DAT,
// LC1/LC2 and Mv are recounted.
void DeriveRunValues(SchoolData& data);

// The daily maximum of a teacher for a run: the teacher's own value or the setting, one more when
// the teacher's hours do not fit into the open hours of the days at that maximum.
int RunDailyMaximum(const SchoolData& data, const TeacherType& teacher);

}  // namespace orvanta
