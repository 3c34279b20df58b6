#pragma once

// Placing without the placement test: the fixed positions of class lessons (when a program set
// comes up) and the rebuild of the placement from the teachers' grids (after a net-backup
// restore). Both place every hour they are asked for that the grids can take; an hour that
// would leave the grid or land where a member already holds another class lesson is skipped and
// reported, so the caller can log it.

#include <vector>

#include "data/school_data.h"

namespace orvanta {

struct SkippedHour {
  int common_no;
  int day;
  int hour;

  bool operator==(const SkippedHour&) const = default;
};

// For each class lesson in list order with Pt = 0 and spr, spr_d and spr_h above 0: places hours
// spr_h .. spr_h + Wl - 1 of day spr_d with PlaceHour, whatever Mv and Dd say, and fixes the
// block. Class lessons with placed hours are left alone. Returns the hours not placed, in order.
std::vector<SkippedHour> PlaceFixedPositions(SchoolData& data);

// For each teacher in list order, d = 1..7, h = 1..18: a slot naming a class lesson c that
// does not occupy (d, h) is cleared and c placed there with PlaceHour (which writes c into the
// grids of all its members). A slot naming a class lesson that does not exist, or one that
// occupies the slot without this teacher, is cleared and reported too. REQUIRES: the teachers'
// PUT and LTP count only their placed hours (a restore leaves them 0).
std::vector<SkippedHour> RebuildFromTeacherGrids(SchoolData& data);

}  // namespace orvanta
