#include "engine/arrangement_run.h"

#include <algorithm>

#include "engine/block_operations.h"

namespace orvanta {

int ArrangementRun::AttemptsBound() const { return std::max(data.option.attempts_bound, 1); }

bool PlaceAgain(ArrangementRun& run, const ArrangedBlock& block) {
  if (run.Stopped()) return false;
  return run.search.Search(block.common_no, block.length);
}

bool MoveBlock(ArrangementRun& run, const ArrangedBlock& block,
               const std::function<bool()>& may_search, const std::function<bool()>& improved) {
  const int mark = run.journal().Length();
  if (RemoveBlock(run.data, run.search.placement(), block.common_no, block.day, block.hour,
                  block.length) &&
      may_search() && PlaceAgain(run, block) && improved()) {
    return true;
  }
  JournalRollback(run.data, run.search.placement(), mark);
  return false;
}

}  // namespace orvanta
