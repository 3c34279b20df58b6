#pragma once

#include "data/school_data.h"

namespace orvanta {

// Derives the counters and masks of every class, class lesson, teacher and room from the
// definitions and the grids: DAT, LET, TLE, Lm and the recounted LC1/LC2. Every definitions
// screen and every structural change ends with it. References to records that do not exist
// are skipped.
void RecountAll(SchoolData& data);

// Class LET and TLE of one class (the class part of the recount), for callers that change one
// class's lessons.
void RecountClassLoad(SchoolData& data, ClssType& clss);

}  // namespace orvanta
