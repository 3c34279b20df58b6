#pragma once

// Gap removal ("Boşlukları Al"): a teacher's blocks are taken out of a day that has gaps, from
// the morning or from the evening, until the day has none, and placed again under a gap limit
// one below the teacher's current gap count.

#include "engine/arrangement_run.h"

namespace orvanta {

// One step for the teacher: for each day with day gaps, first from the morning and then from the
// evening, eject the movable blocks until the day has no gaps and place them again in the order
// they were ejected. True at the first day and direction where every block found a place and the
// teacher has fewer gaps than before; every failed try is rolled back. Nothing to do (false)
// when the teacher's gap count is not above the threshold.
// Leaves the teacher's run values 1..3 tightened (gap rule on, one gap fewer than now); the
// commands below decide what to give back.
bool GapRemovalStep(ArrangementRun& run, int teacher_no, int gap_threshold);

// "Boşlukları Al": steps for one teacher, attempt by attempt (the attempt is the searches'
// level), until one succeeds, the run is stopped or the attempts bound is reached. On failure
// the teacher's run values 1..3 are given back and the grids are as they were.
ArrangementOutcome RemoveGaps(ArrangementRun& run, int teacher_no, int gap_threshold);

// "Boşlukları Al (Tümü)": the run values of all teachers are derived again for the threshold;
// then, attempt by attempt, every teacher of the arrangement's list whose gap count is above the
// threshold gets up to three successful steps (while gaps above its limit remain). A teacher
// whose step succeeded keeps the threshold as the least of its limits. Ends when the run is
// stopped or the attempts bound is reached; shows nothing.
void RemoveGapsForAll(ArrangementRun& run, int gap_threshold);

}  // namespace orvanta
