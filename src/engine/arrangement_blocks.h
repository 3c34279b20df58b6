#pragma once

// The blocks the arrangement takes out of a teacher's week and places again.

#include <optional>

#include "data/school_data.h"

namespace orvanta {

// A placed block of a class lesson: hours hour .. hour + length - 1 of day.
struct ArrangedBlock {
  int common_no = 0;
  int day = 0;
  int hour = 0;
  int length = 0;
};

// The block of the movable lesson in the teacher's slot (d, h), as its class lesson records it
// (LD, LH, LT there), so a slot in the middle of a block names the whole block. Nothing when the
// slot is free or fixed (Mv false), or when its class lesson does not exist or does not occupy
// the slot.
std::optional<ArrangedBlock> MovableBlockAt(const SchoolData& data, const TeacherType& teacher,
                                            int d, int h);

// The hour rows the timetable screens show, kept within the grid for a damaged value.
int ShownHourRows(const SchoolData& data);

}  // namespace orvanta
