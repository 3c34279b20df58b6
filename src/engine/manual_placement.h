#pragma once

// What the timetable screens do on a slot of the entity they show: the double click that places
// or removes one hour, F8 (fix or close) and F9 (class out-of-lesson activity). All are silent:
// a refused action changes nothing and says nothing.

#include "data/school_data.h"

namespace orvanta {

// The entity whose timetable a screen shows; the values are the print dialog's entity kinds.
enum class EntityKind { kTeacher = 1, kClass = 2, kRoom = 3 };

// On an occupied slot: SetBlockMovable with the value for the class lesson there (fixes or
// unfixes its whole block for all members). On a free slot: the entity's own Mv(d, h) := value
// (false = closed). A slot naming a class lesson that does not occupy it counts as free.
void ToggleTeacherSlot(SchoolData& data, int teacher_no, int d, int h, bool value);
void ToggleClassSlot(SchoolData& data, int class_no, int d, int h, bool value);
void ToggleRoomSlot(SchoolData& data, int room_no, int d, int h, bool value);
void ToggleSlot(SchoolData& data, EntityKind kind, int entity_no, int d, int h, bool value);

// On a free class slot only: Dd(d, h) := 0 when it was non-zero, else lesson_no.
void ToggleClassActivity(SchoolData& data, int class_no, int d, int h, int lesson_no);

// The double click on slot (d, h) of the entity shown, with selected_common_no selected in the
// screen's list (0 = none): an occupied movable slot loses its hour (RemoveHour); a fixed one is
// left alone; on a free slot the selected class lesson is placed when CanPlaceHour allows it.
// Returns true when the grids changed.
bool ManualDoubleClick(SchoolData& data, EntityKind kind, int entity_no, int d, int h,
                       int selected_common_no);

}  // namespace orvanta
