#pragma once

// What the rebuild after definitions change takes out of the grids before it re-places them:
// one entry per slot of every teacher, class and room.

#include <cstdint>
#include <vector>

#include "data/school_data.h"

namespace orvanta {

struct SlotJournalEntry {
  int common_no = 0;  // the class lesson in the slot; 0 for class and room entries
  int dd = 0;
  int day = 0;
  int hour = 0;
  int teacher_no = 0;  // exactly one of the three is non-zero
  int class_no = 0;
  int room_no = 0;
  int pl = 0;  // teacher entries only
  bool mv = true;
};

using SlotJournal = std::vector<SlotJournalEntry>;

// Appends an entry per slot of every teacher, then every class, then every room, in list order,
// and empties the slots: Cm, Dd (and a teacher's Pl) := 0, Mv := true; PUT := 0 and a teacher's
// LTP := 0. A teacher whose class teacher link (Clss) names no class loses it.
SlotJournal TakeOutSlots(SchoolData& data);

}  // namespace orvanta
