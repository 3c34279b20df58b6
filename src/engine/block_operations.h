#pragma once

// Block operations: the automatic placement and the arrangement place and remove whole blocks and
// undo them through the journal. Each placed block is recorded as placed (LH = its first hour,
// LT = its length), so two blocks of one class lesson may touch on one day and stay two blocks.
// Unlike the hour operations they also count class and room LTP, and they never touch Dd nor run
// the pay recount. Constant time per hour and member; no allocation.

#include "data/school_data.h"
#include "engine/placement_journal.h"

namespace orvanta {

// Places hours h .. h+n-1 of day d as one block in the grids of every teacher, class and room
// and counts them; the block balance decreases by 1; an active journal gets (placed, block).
// Makes no rule test (callers use HoursOpen/BlockFree first) but refuses, changing nothing, when
// the block leaves the grid, the class lesson already occupies one of its slots, a member's slot
// holds another class lesson, or the journal is active and full (200,000 entries). The caller
// must treat a refusal as a failed try.
[[nodiscard]] bool PlaceBlock(SchoolData& data, PlacementRun& run, int common_no, int d, int h,
                              int n);

// Removes the block that starts at (d, h) with length n: an active journal gets (removed,
// block), the block balance increases by 1, and the grids and counters lose it. Refuses,
// changing nothing, unless h .. h+n-1 is exactly one block of the class lesson (LH = h and
// LT = n in every slot), or when the journal is active and full.
[[nodiscard]] bool RemoveBlock(SchoolData& data, PlacementRun& run, int common_no, int d, int h,
                               int n);

// Mv(d, h .. h+n-1) := value in the grid of every class, teacher and room of the class lesson,
// whatever the slots hold. Not journaled: the search fixes a block only for the moment and
// unfixes it itself.
void SetBlockSlotsMovable(SchoolData& data, int common_no, int d, int h, int n, bool value);

// Undoes the journal entries after the mark, last first (a placed block is removed, a removed
// block placed again), with the journal inactive meanwhile; then the journal is active and its
// length is the mark. Nothing when the length already equals the mark. A mark outside
// 0..Length() is clamped to it.
void JournalRollback(SchoolData& data, PlacementRun& run, int mark);

}  // namespace orvanta
