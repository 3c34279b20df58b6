#include "engine/block_operations.h"

#include <algorithm>

#include "engine/class_lesson_members.h"
#include "engine/placement_slots.h"

namespace orvanta {
namespace {

bool JournalRefuses(const PlacementJournal& journal) { return journal.Active() && journal.Full(); }

void Record(PlacementJournal& journal, JournalKind kind, int common_no, int d, int h, int n) {
  if (!journal.Active()) return;
  journal.Append(
      {common_no, kind, static_cast<uint8_t>(d), static_cast<uint8_t>(h), static_cast<uint8_t>(n)});
}

bool BlockTakesLesson(const SchoolData& data, const CommonType& common, int d, int h, int n) {
  for (int k = 0; k < n; ++k) {
    if (!SlotTakesLesson(data, common, d, h + k)) return false;
  }
  return true;
}

bool IsWholeBlock(const CommonType& common, int d, int h, int n) {
  for (int k = 0; k < n; ++k) {
    if (common.LD(d, h + k) != d || common.LH(d, h + k) != h || common.LT(d, h + k) != n) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool PlaceBlock(SchoolData& data, PlacementRun& run, int common_no, int d, int h, int n) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !BlockInGrid(d, h, n) || JournalRefuses(run.journal) ||
      !BlockTakesLesson(data, *common, d, h, n)) {
    return false;
  }
  --run.block_balance;
  for (int k = 0; k < n; ++k) {
    OccupySlot(data, *common, d, h + k, SlotCounting::kBlock);
    common->LD(d, h + k) = d;
    common->LH(d, h + k) = h;
    common->LT(d, h + k) = n;
  }
  Record(run.journal, JournalKind::kPlaced, common_no, d, h, n);
  return true;
}

bool RemoveBlock(SchoolData& data, PlacementRun& run, int common_no, int d, int h, int n) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !BlockInGrid(d, h, n) || JournalRefuses(run.journal) ||
      !IsWholeBlock(*common, d, h, n)) {
    return false;
  }
  Record(run.journal, JournalKind::kRemoved, common_no, d, h, n);
  ++run.block_balance;
  for (int k = 0; k < n; ++k) VacateSlot(data, *common, d, h + k, SlotCounting::kBlock);
  return true;
}

void SetBlockSlotsMovable(SchoolData& data, int common_no, int d, int h, int n, bool value) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !InGrid(d, h)) return;
  const int last = std::min(h + n - 1, kHours);
  ForAllMembers(data, *common, [&](auto& member) {
    for (int hour = h; hour <= last; ++hour) member.Mv(d, hour) = value;
  });
}

void JournalRollback(SchoolData& data, PlacementRun& run, int mark) {
  PlacementJournal& journal = run.journal;
  mark = std::clamp(mark, 0, journal.Length());
  if (journal.Length() == mark) return;
  journal.SetActive(false);
  for (int i = journal.Length(); i > mark; --i) {
    const JournalEntry entry = journal.Entry(i);
    // The journal holds only blocks that were placed and removed in this state, so undoing
    // them cannot be refused.
    if (entry.kind == JournalKind::kPlaced) {
      static_cast<void>(
          RemoveBlock(data, run, entry.common_no, entry.day, entry.hour, entry.length));
    } else {
      static_cast<void>(
          PlaceBlock(data, run, entry.common_no, entry.day, entry.hour, entry.length));
    }
  }
  journal.SetActive(true);
  journal.Truncate(mark);
}

}  // namespace orvanta
