#pragma once

// Hour operations: manual placement one hour at a time. They keep touching hours of one class
// lesson on one day merged into one block (LH/LT), judging adjacency on the grid of the first
// class; a class lesson without classes is judged on its own LH grid. They change PUT and LTP of
// teachers, PUT of classes and rooms, Pt and LTP of the class lesson, and leave class and room LTP
// alone (those belong to the block operations).

#include "data/school_data.h"

namespace orvanta {

// Writes the class lesson into slot (d, h) of every class, teacher and room, counts it and merges
// it with the blocks next to it. Makes no placement test (callers use CanPlaceHour first), but
// refuses, changing nothing, when the class lesson already occupies (d, h) or when a member's
// slot holds another class lesson: a grid never names two lessons in one slot.
// Returns true when the hour was placed.
bool PlaceHour(SchoolData& data, int common_no, int d, int h);

// The reverse of PlaceHour: splits the block at h, clears the slot of every member (and every
// teacher's Dd there), uncounts it, then runs the pay recount of each of the class lesson's
// teachers. Does nothing and returns false when the class lesson does not occupy (d, h). Does not
// look at fixing: the double click refuses fixed hours before it gets here.
bool RemoveHour(SchoolData& data, int common_no, int d, int h);

// Unfixes and removes every placed hour of the class lesson, d = 1..7, h = 1..18 in that order.
void RemoveAllHours(SchoolData& data, int common_no);

// Mv := value over the whole block of the class lesson that covers (d, h), in the grid of every
// class, teacher and room of the class lesson (false = fixed). Nothing when the class lesson does
// not occupy (d, h).
void SetBlockMovable(SchoolData& data, int common_no, int d, int h, bool value);

}  // namespace orvanta
