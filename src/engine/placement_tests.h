#pragma once

// The tests of the placement core. They have no side effects and are the only guards: callers
// test before they place. A block reaching past hour 18 or a day outside 1..7 is neither open nor
// free, and an unknown class lesson passes no test.

#include "data/school_data.h"

namespace orvanta {

// True when for k = 0..n-1 every teacher of the class lesson has Mv(d, h+k) true and
// Dd(d, h+k) <= 0, and every class and every room has Mv(d, h+k) true. Class Dd is not looked at.
bool HoursOpen(const SchoolData& data, int common_no, int d, int h, int n);

// True when for k = 0..n-1 no class, teacher or room of the class lesson has Cm(d, h+k) > 0.
// BlockFree is the same test under the name the automatic placement uses; both look at the
// classes first, then the teachers, then the rooms.
bool HoursFree(const SchoolData& data, int common_no, int d, int h, int n);
bool BlockFree(const SchoolData& data, int common_no, int d, int h, int n);

// The test of a manual placement of one hour: Pt < Wl, HoursOpen and HoursFree for one hour,
// LC1(d) <= h <= LC2(d) of the class lesson itself, and the class lesson does not already occupy
// (d, h) (which only matters for a class lesson without members). The lesson's Pb and Nl and the
// class Dd marks do not apply.
bool CanPlaceHour(const SchoolData& data, int common_no, int d, int h);

// 1 when the teacher (room) is in TN (RN); otherwise 2 when the class lesson has other teachers
// (rooms), 0 when it has none. An unknown class lesson gives 0.
int HasTeacher(const SchoolData& data, int common_no, int teacher_no);
int HasRoom(const SchoolData& data, int common_no, int room_no);

}  // namespace orvanta
