#pragma once

// Pay marks in teacher slots: Dd holds a pay category, Pl the flag the pay computation keeps with
// it. The pay screens mark before they compute and clear afterwards.

#include "data/school_data.h"

namespace orvanta {

// Every teacher slot holding a class lesson gets Dd := the pay category (Pl) of the class
// lesson's lesson and Pl := 1; a contract teacher (PX1(6) = 2) gets category 1 instead of 2 when
// the pay settings say so (lesson_category_for_contract_teachers = 1). Slots whose class lesson or
// lesson does not exist are left alone. Ends with the pay recount of every teacher in list order.
void SetPayMarks(SchoolData& data);

// Clears (Dd := 0, Pl := 0) every pay mark on a slot holding a class lesson, and every mark of
// category 5, 6 or 8 or of the teacher's PX2(2), PX2(3) or PX2(4), occupied or not.
void ClearPayMarks(SchoolData& data);

}  // namespace orvanta
