#pragma once

// The start-up step that gives teachers their pay settings, run on every activation of the main
// screen after the program set is opened. Teachers whose status PX1[6] is set are left as they
// are apart from a missing Id; a teacher with status 0 (a record that never had pay settings)
// gets the pay defaults, or the values the sibling pay product keeps for it this week, and its
// slots are marked with their lessons' pay categories.

#include "data/clock.h"
#include "data/school_data.h"

namespace orvanta {

// For every teacher in list order:
// - an empty Id is taken from the first record of the sibling teacher file
//   (data.paths.SiblingTeacherFile()) whose Name has the same bytes;
// - with PX1[6] = 0: PX1[1..6] := 15, 10, 0, 0, 0, 1 and PX2[1..4] := 4, 5, 6, 8, then the values
//   of the last sibling record with that Name (the five week values of the current week of the
//   day calendar, the status and the four calculated categories) replace them; then every slot
//   holding a class lesson, and every free slot holding a lesson No in Dd, is marked (SetMark,
//   digit 1) with that lesson's pay category.
// A missing, unreadable, short or damaged sibling file contributes only the whole records it
// holds; nothing is reported and nothing is written.
void InitialiseTeacherPay(SchoolData& data, const Clock& clock);

}  // namespace orvanta
