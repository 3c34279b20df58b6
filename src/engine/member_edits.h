#pragma once

// Changing the classes, teachers and rooms of a class lesson while keeping the grids consistent.
// Called by the definitions screens (class lessons, teacher and room assignment).

#include "data/school_data.h"

namespace orvanta {

// Adds the teacher (room) to the class lesson. Its placed hours are taken out, the member is
// appended to TN (RN), and each hour is put back, in day and hour order, where CanPlaceHour now
// allows it: hours the new member cannot take (busy, closed, a teacher mark) are dropped, the
// rest merge into blocks again, none stays fixed. Does not recount. Refuses (false, nothing
// changed) when the class lesson or the member does not exist, the member is already listed, or
// the list already holds 50 members.
bool AddTeacher(SchoolData& data, int common_no, int teacher_no);
bool AddRoom(SchoolData& data, int common_no, int room_no);

// Unplaces the class lesson completely, drops the teacher from TN (keeping the others' order,
// the rest of the array 0; LN stays as it is) and runs RecountAll.
void RemoveTeacher(SchoolData& data, int common_no, int teacher_no);

// When the class is the class lesson's only class, deletes the class lesson (DeleteClassLesson).
// Otherwise unplaces the class lesson, drops the class from CN and runs RecountAll. Nothing when
// the class is not in CN.
void RemoveClass(SchoolData& data, int common_no, int class_no);

// Takes the room out of the class lesson, which keeps its blocks for its classes and teachers:
// every slot of the room's grid (all 7 x 18) holding the class lesson is cleared, reopened
// (a fixing belongs to the lesson, not to the room) and uncounted from the room's PUT; the room
// is dropped from RN (also when no record has the room's No). No recount.
void RemoveRoom(SchoolData& data, int common_no, int room_no);

}  // namespace orvanta
