#pragma once

// Lone-day removal ("Tek Düşenleri Kaldır"): a block of one of the teacher's fuller days is
// moved so that a day with a single hour gets company. With the finish-day mode on and the
// teacher complete, the search may only use the day with the single hour.

#include "engine/arrangement_run.h"

namespace orvanta {

// One step: for each day with at least two hours and each movable block of it (in hour order)
// that the day can spare while keeping two hours, take the block out and, when the teacher's gap
// count has not grown, place it again by a search. True at the first block that moved and left
// the teacher with fewer lone days; every other try is rolled back. False at once when the
// teacher has no lone day.
bool LoneDayStep(ArrangementRun& run, int teacher_no);

// Steps in passes 1 and 2 of every attempt, until one succeeds, the run is stopped or the
// attempts bound is reached. On failure the teacher's lone-day run value is cleared and the
// grids are as they were. The pass stays as the last step left it.
ArrangementOutcome RemoveLoneDays(ArrangementRun& run, int teacher_no);

}  // namespace orvanta
