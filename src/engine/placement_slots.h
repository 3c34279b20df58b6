#pragma once

// Writing one slot of a class lesson into the grids of all its members and counting it; shared
// by the hour and the block operations, which differ only in what they count. Internal to the
// placement core.

#include "data/school_data.h"

namespace orvanta {

// Hour operations leave class and room LTP alone and clear the teachers' Dd on removal; block
// operations count class and room LTP and never touch Dd.
enum class SlotCounting { kHour, kBlock };

// True when the class lesson does not occupy (d, h) and no member's slot holds another class
// lesson. REQUIRES: (d, h) inside the grid.
bool SlotTakesLesson(const SchoolData& data, const CommonType& common, int d, int h);

// Writes common.No into (d, h) of every member and counts the slot for the members and for the
// class lesson (Pt, LTP). LD/LH/LT are the caller's. REQUIRES: SlotTakesLesson.
void OccupySlot(SchoolData& data, CommonType& common, int d, int h, SlotCounting counting);

// Clears (d, h) of every member whose slot holds the class lesson, uncounts it, and clears the
// class lesson's LD/LH/LT there. REQUIRES: the class lesson occupies (d, h).
void VacateSlot(SchoolData& data, CommonType& common, int d, int h, SlotCounting counting);

}  // namespace orvanta
