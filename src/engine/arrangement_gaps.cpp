#include "engine/arrangement_gaps.h"

#include <algorithm>
#include <vector>

#include "engine/arrangement_measures.h"
#include "engine/arrangement_run_values.h"
#include "engine/block_operations.h"
#include "engine/gap_measures.h"
#include "engine/placement_settings.h"

namespace orvanta {
namespace {

enum class Walk { kFromMorning, kFromEvening };

// Takes the teacher's movable blocks of day d out, walking the day's hours in the given
// direction, until the day has no day gaps; appends them to `ejected` in that order. False when
// a block cannot be taken out.
bool EjectUntilNoDayGaps(ArrangementRun& run, const TeacherType& teacher, int d, Walk walk,
                         std::vector<ArrangedBlock>& ejected) {
  const int first = std::max(teacher.LC1(d), 1);
  const int last = std::min(teacher.LC2(d), kHours);
  for (int i = 0; i <= last - first; ++i) {
    const int h = walk == Walk::kFromMorning ? first + i : last - i;
    if (const std::optional<ArrangedBlock> block = MovableBlockAt(run.data, teacher, d, h)) {
      if (!RemoveBlock(run.data, run.search.placement(), block->common_no, block->day, block->hour,
                       block->length)) {
        return false;
      }
      ejected.push_back(*block);
    }
    if (DayGaps(teacher, d) == 0) break;
  }
  return true;
}

// One try on day d in one direction. On failure the grids are as before.
bool TryDay(ArrangementRun& run, const TeacherType& teacher, int d, Walk walk, int gaps_before) {
  const int mark = run.journal().Length();
  std::vector<ArrangedBlock> ejected;
  bool placed = EjectUntilNoDayGaps(run, teacher, d, walk, ejected) && !ejected.empty();
  for (size_t i = 0; placed && i < ejected.size(); ++i) placed = PlaceAgain(run, ejected[i]);
  if (placed && GapCount(teacher, DaysInUse(run.data)) < gaps_before) return true;
  JournalRollback(run.data, run.search.placement(), mark);
  return false;
}

}  // namespace

bool GapRemovalStep(ArrangementRun& run, int teacher_no, int gap_threshold) {
  TeacherType* teacher = run.data.teachers.Find(teacher_no);
  if (teacher == nullptr) return false;
  const int gaps = GapCount(*teacher, DaysInUse(run.data));
  if (gap_threshold >= gaps) return false;
  // Nothing of an earlier step is ever rolled back, so its entries need no room.
  run.journal().Reset();
  RunValueOf(*teacher, RunValue::kGapRuleOff) = 0;
  RunValueOf(*teacher, RunValue::kMostWeekGaps) = gaps - 1;
  RunValueOf(*teacher, RunValue::kLongestGap) = gaps - 1;
  for (int d = 1; d <= DaysInUse(run.data); ++d) {
    if (DayGaps(*teacher, d) == 0) continue;
    for (const Walk walk : {Walk::kFromMorning, Walk::kFromEvening}) {
      if (TryDay(run, *teacher, d, walk, gaps)) return true;
      if (run.Stopped()) return false;
    }
  }
  return false;
}

ArrangementOutcome RemoveGaps(ArrangementRun& run, int teacher_no, int gap_threshold) {
  TeacherType* teacher = run.data.teachers.Find(teacher_no);
  if (teacher == nullptr) return ArrangementOutcome::kFailed;
  const GapRunValues saved = SaveGapRunValues(*teacher);
  bool success = false;
  for (int attempt = 1; !success && !run.Stopped() && attempt <= run.AttemptsBound(); ++attempt) {
    run.search.phase = {attempt, kArrangementPass};
    success = GapRemovalStep(run, teacher_no, gap_threshold);
  }
  if (success) return ArrangementOutcome::kSucceeded;
  RestoreGapRunValues(*teacher, saved);
  return ArrangementOutcome::kFailed;
}

namespace {

// Up to three successful steps for one teacher of "Boşlukları Al (Tümü)".
void RemoveGapsOfListedTeacher(ArrangementRun& run, TeacherType& teacher, int gap_threshold) {
  for (int tries = 1; tries <= 3 && !run.Stopped(); ++tries) {
    if (gap_threshold >= GapCount(teacher, DaysInUse(run.data))) return;
    run.control.TeacherSelected(teacher.No);
    const GapRunValues saved = SaveGapRunValues(teacher);
    if (!GapRemovalStep(run, teacher.No, gap_threshold)) {
      RestoreGapRunValues(teacher, saved);
      return;
    }
    RunValueOf(teacher, RunValue::kGapRuleOff) = saved.gap_rule_off;
    int32_t& most_gaps = RunValueOf(teacher, RunValue::kMostWeekGaps);
    int32_t& longest_gap = RunValueOf(teacher, RunValue::kLongestGap);
    most_gaps = std::max(most_gaps, gap_threshold);
    longest_gap = std::max(longest_gap, gap_threshold);
    if (GapCount(teacher, DaysInUse(run.data)) <= most_gaps) return;
  }
}

}  // namespace

void RemoveGapsForAll(ArrangementRun& run, int gap_threshold) {
  DeriveArrangementGapValues(run.data, gap_threshold);
  const std::vector<int> listed = ArrangementTeacherNos(run.data);
  for (int attempt = 1; !run.Stopped() && attempt <= run.AttemptsBound(); ++attempt) {
    run.search.phase = {attempt, kArrangementPass};
    for (const int teacher_no : listed) {
      TeacherType* teacher = run.data.teachers.Find(teacher_no);
      if (teacher != nullptr) RemoveGapsOfListedTeacher(run, *teacher, gap_threshold);
      if (run.Stopped()) break;
    }
  }
}

}  // namespace orvanta
