#pragma once

// What one arrangement command works with, and the moves all its commands are made of: take
// blocks out of a teacher's week, place them again with the block search, and roll the journal
// back when that fails. The grids change only through the block operations on the search's
// journal.

#include <functional>

#include "data/school_data.h"
#include "engine/arrangement_blocks.h"
#include "engine/block_search.h"
#include "engine/run_control.h"

namespace orvanta {

// The outcome of a single-teacher command, as the dialog reports it.
enum class ArrangementOutcome {
  kSucceeded,   // "İşlem Başarılı !"
  kFailed,      // "İşlem Başarısız !": the grids are as they were
  kNothingRun,  // balancing found the loads even enough; no message
};

// The pass that the searches of gap removal and balancing run in. Those commands have no passes
// of their own, and taking over whatever an earlier run left would make the same command behave
// differently from one time to the next. The second pass is the wider one, as fits blocks that
// stood in a finished timetable already: splits of divisible lessons are allowed, and the
// day-gap rule applies only when its setting asks for it. Lone-day removal runs both passes.
inline constexpr int kArrangementPass = 2;

// The search's phase, finish-day mode and stop code are the arrangement's run state; the search
// and the control must outlive the run.
struct ArrangementRun {
  SchoolData& data;
  BlockSearch& search;
  RunControl& control;

  bool Stopped() const { return search.stop_code > 0; }
  PlacementJournal& journal() { return search.placement().journal; }
  // The option record's attempts bound; a command makes at least one attempt.
  int AttemptsBound() const;
};

// One top-level search for the block's class lesson and length on any day and hour, at the run's
// current phase. After a stop no search is started: a stop is never lost between two searches.
bool PlaceAgain(ArrangementRun& run, const ArrangedBlock& block);

// Removes the block and, when `may_search` (asked after the removal) agrees, places it again by
// a search. True when the search succeeded and `improved` (asked afterwards) confirms that the
// teacher's week is better for it; otherwise everything since the removal is rolled back and the
// grids are as before. So a search that put the block back where it was never counts as a move.
bool MoveBlock(ArrangementRun& run, const ArrangedBlock& block,
               const std::function<bool()>& may_search, const std::function<bool()>& improved);

}  // namespace orvanta
