#pragma once

// The run state of an automatic placement or arrangement that the block operations keep: the
// undo journal and the block balance. The caller owns one PlacementRun and reuses it across
// searches and runs; its storage is allocated once, when it is made, so the search never
// allocates.

#include <cstdint>
#include <memory>

namespace orvanta {

enum class JournalKind : uint8_t { kPlaced = 1, kRemoved = 2 };

// One block operation: the block (common_no, day, hour .. hour + length - 1).
struct JournalEntry {
  int32_t common_no;
  JournalKind kind;
  uint8_t day;
  uint8_t hour;
  uint8_t length;
};

class PlacementJournal {
 public:
  static constexpr int kCapacity = 200000;

  PlacementJournal();

  // While inactive the block operations write nothing here (a rollback replays with the journal
  // inactive).
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }

  // The number of entries; a search takes it as its mark for a later rollback.
  int Length() const { return length_; }
  bool Full() const { return length_ == kCapacity; }
  // Forgets every entry (the automatic placement does this before every top-level search).
  void Reset() { length_ = 0; }

  // 1-based. REQUIRES: 1 <= i <= Length().
  const JournalEntry& Entry(int i) const { return entries_[i - 1]; }

  // Appends when there is room. REQUIRES: !Full().
  void Append(const JournalEntry& entry) { entries_[length_++] = entry; }
  // Drops the entries after the mark. REQUIRES: 0 <= mark <= Length().
  void Truncate(int mark) { length_ = mark; }

 private:
  std::unique_ptr<JournalEntry[]> entries_;
  int length_ = 0;
  bool active_ = false;
};

struct PlacementRun {
  PlacementJournal journal;
  // Decreased by every PlaceBlock, increased by every RemoveBlock (rollbacks included): the
  // automatic placement sets it to 1 when a top-level search starts, so it counts the displaced
  // blocks plus the block being sought.
  int block_balance = 0;
};

}  // namespace orvanta
