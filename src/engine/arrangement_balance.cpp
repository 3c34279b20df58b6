#include "engine/arrangement_balance.h"

#include <algorithm>

#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {
namespace {

int OpenHours(const TeacherType& teacher, int d) {
  if (teacher.LC1(d) == 0) return 0;
  int open = 0;
  for (int h = std::max(teacher.LC1(d), 1); h <= std::min(teacher.LC2(d), kHours); ++h) {
    if (teacher.Mv(d, h)) ++open;
  }
  return open;
}

}  // namespace

DailyLoadSpread MeasureDailyLoads(const TeacherType& teacher, int days_in_use) {
  DailyLoadSpread spread;
  for (int d = 1; d <= std::clamp(days_in_use, 1, kDays); ++d) {
    const int load = teacher.LTP(d);
    if (OpenHours(teacher, d) >= 3 && load < spread.lightest) {
      spread.lightest = load;
      spread.lightest_day = d;
    }
    if (load > 2 && load > spread.heaviest) spread.heaviest = load;
  }
  return spread;
}

bool BalancingStep(ArrangementRun& run, int teacher_no, int target) {
  const TeacherType* teacher = run.data.teachers.Find(teacher_no);
  if (teacher == nullptr) return false;
  const int days = DaysInUse(run.data);
  run.journal().Reset();
  for (int d = 1; d <= days; ++d) {
    if (teacher->LTP(d) <= target) continue;
    for (int h = 1; h <= ShownHourRows(run.data); ++h) {
      const std::optional<ArrangedBlock> block = MovableBlockAt(run.data, *teacher, d, h);
      // Each block is tried once, at its first hour (see the lone-day step).
      if (!block || block->hour != h || teacher->LTP(d) - block->length <= 1) continue;
      const int load = teacher->LTP(d);
      const auto gaps_within_limit = [&] {
        return GapCount(*teacher, days) <= RunValueOf(*teacher, RunValue::kMostWeekGaps);
      };
      const auto day_lighter = [&] { return teacher->LTP(d) < load; };
      if (MoveBlock(run, *block, gaps_within_limit, day_lighter)) return true;
      if (run.Stopped()) return false;
    }
  }
  return false;
}

ArrangementOutcome BalanceDailyLoads(ArrangementRun& run, int teacher_no) {
  TeacherType* teacher = run.data.teachers.Find(teacher_no);
  if (teacher == nullptr) return ArrangementOutcome::kFailed;
  const DailyLoadSpread spread = MeasureDailyLoads(*teacher, DaysInUse(run.data));
  // Left as it was when nothing runs: a target of -1 would switch the daily maximum off for
  // every later command, and any other one would bind them to a maximum no step asked for.
  if (!spread.WorthBalancing()) return ArrangementOutcome::kNothingRun;
  int32_t& daily_maximum = RunValueOf(*teacher, RunValue::kDailyMaximum);
  const int own_maximum = daily_maximum;
  daily_maximum = spread.Target();
  bool success = false;
  for (int attempt = 1; !success && !run.Stopped() && attempt <= run.AttemptsBound(); ++attempt) {
    run.search.phase = {attempt, kArrangementPass};
    success = BalancingStep(run, teacher_no, spread.Target());
  }
  if (success) return ArrangementOutcome::kSucceeded;
  daily_maximum = own_maximum;
  return ArrangementOutcome::kFailed;
}

}  // namespace orvanta
