#include "engine/arrangement_lone_days.h"

#include "engine/arrangement_measures.h"
#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {

bool LoneDayStep(ArrangementRun& run, int teacher_no) {
  const TeacherType* teacher = run.data.teachers.Find(teacher_no);
  const int days = DaysInUse(run.data);
  if (teacher == nullptr || !HasLoneDay(*teacher, days)) return false;
  run.journal().Reset();
  const int lone_days = LoneDayCount(*teacher, days);
  for (int d = 1; d <= days; ++d) {
    if (teacher->LTP(d) < 2) continue;
    for (int h = 1; h <= ShownHourRows(run.data); ++h) {
      const std::optional<ArrangedBlock> block = MovableBlockAt(run.data, *teacher, d, h);
      // A block is tried once, at its first hour: after a rollback the grids are as before, so a
      // second try from a later hour of it could only fail the same way.
      if (!block || block->hour != h || teacher->LTP(d) - block->length <= 1) continue;
      const int gaps = GapCount(*teacher, days);
      const auto gaps_not_grown = [&] { return GapCount(*teacher, days) <= gaps; };
      const auto fewer_lone_days = [&] { return LoneDayCount(*teacher, days) < lone_days; };
      if (MoveBlock(run, *block, gaps_not_grown, fewer_lone_days)) return true;
      if (run.Stopped()) return false;
    }
  }
  return false;
}

ArrangementOutcome RemoveLoneDays(ArrangementRun& run, int teacher_no) {
  TeacherType* teacher = run.data.teachers.Find(teacher_no);
  if (teacher == nullptr) return ArrangementOutcome::kFailed;
  run.search.finish_day = true;
  bool success = false;
  for (int attempt = 1; !success && !run.Stopped() && attempt <= run.AttemptsBound(); ++attempt) {
    for (int pass = 1; !success && !run.Stopped() && pass <= 2; ++pass) {
      run.search.phase = {attempt, pass};
      success = LoneDayStep(run, teacher_no);
    }
  }
  if (success) return ArrangementOutcome::kSucceeded;
  RunValueOf(*teacher, RunValue::kLoneDay) = 0;
  return ArrangementOutcome::kFailed;
}

}  // namespace orvanta
