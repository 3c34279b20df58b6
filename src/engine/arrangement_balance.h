#pragma once

// Daily-load balancing ("Düzenle"): the teacher's daily maximum is set one below the heaviest
// day, and one block of a day above it is moved to a day with room.

#include "engine/arrangement_run.h"

namespace orvanta {

// The loads balancing compares, over the days in use.
struct DailyLoadSpread {
  // The smallest load of a day with at least 3 open hours (Mv true) in LC1..LC2; 20 when no day
  // has them, which leaves nothing to balance.
  int lightest = 20;
  int lightest_day = 0;  // 0 when no day qualifies
  int heaviest = 0;      // the largest load above 2; 0 when no day has more than 2 hours

  // The daily maximum balancing works with: one below the heaviest day, -1 without one.
  int Target() const { return heaviest > 2 ? heaviest - 1 : -1; }
  // Balancing runs only when the target lies at least 2 above the lightest day.
  bool WorthBalancing() const { return Target() - lightest > 1; }
};
DailyLoadSpread MeasureDailyLoads(const TeacherType& teacher, int days_in_use);

// One step with the daily maximum `target` already set: for each day above it and each movable
// block of it (in hour order) that the day can spare while keeping two hours, take the block out
// and, when the teacher's gap count stays within its run value 2, place it again by a search
// (the daily maximum keeps it off the heavy days). True at the first block that left its day;
// every other try is rolled back.
bool BalancingStep(ArrangementRun& run, int teacher_no, int target);

// Nothing when the loads are even enough (kNothingRun; the daily maximum is as before).
// Otherwise the teacher's daily maximum becomes the target and steps run attempt by attempt
// until one succeeds, the run is stopped or the attempts bound is reached. On success the
// teacher keeps the target as daily maximum; on failure it gets its own back and the grids are as
// they were.
ArrangementOutcome BalanceDailyLoads(ArrangementRun& run, int teacher_no);

}  // namespace orvanta
