#pragma once

// Deleting a lesson, class, room, teacher or duty place: every reference to the record is removed
// first, so no grid or member list names a record that is gone.

#include "data/school_data.h"

namespace orvanta {

// Deletes every class lesson of the lesson (DeleteClassLesson, in list order), clears every
// teacher and class Dd cell equal to the lesson's No, then deletes the lesson record.
void DeleteLesson(SchoolData& data, int lesson_no);

// Teachers whose class (Clss) it is lose it; every class lesson holding the class gets
// RemoveClass (so a class lesson of that class alone is deleted, a joint lesson is unplaced and
// loses the class); then the class record is deleted.
void DeleteClass(SchoolData& data, int class_no);

// RemoveRoom on every class lesson using the room (which stay placed), deletes the room record,
// RecountAll.
void DeleteRoom(SchoolData& data, int room_no);

// RemoveTeacher on every class lesson of the teacher (a class lesson left without teachers stays,
// unplaced), deletes the teacher record, RecountAll.
void DeleteTeacher(SchoolData& data, int teacher_no);

// Deletes the duty place record. (The teachers' duty assignments to the place are removed by the
// duty roster's own delete, which wraps this one.)
void DeleteDutyPlace(SchoolData& data, int duty_no);

}  // namespace orvanta
