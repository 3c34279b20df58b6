#pragma once

// The placement core: the only code that writes the week grids (Cm), the block positions of class
// lessons (LD, LH, LT) and the placement counters (Pt, PUT, LTP). Everything else changes the
// timetable through these operations.
//
// Conventions shared by every operation of the core:
// - Records are named by No; arguments run (data, [run,] entity No, day, hour, [length], [value]).
//   Days are 1..7, hours 1..18.
// - A member No (in CN, TN, RN) that no record has is skipped, a member listed twice counts
//   once, and the member counts CX, TX and RX are read clamped to 0..50. A class lesson, class,
//   teacher or room No that no record has makes an operation do nothing.
// - A slot outside the 7 x 18 grid is never read or written: an operation asked for one does
//   nothing (and reports false where it reports anything).
// - Operations that report a bool return false when they changed nothing.
// - After every operation the invariants of CheckInvariants (invariant_check.h) still hold when
//   they held before.
// - Pointers and references into the record lists do not survive the operations that delete or
//   add records (member edits, class lessons, deletes).
//
// Everything runs on the user-interface thread; nothing here writes files.

#include "engine/block_operations.h"    // PlaceBlock, RemoveBlock, SetBlockSlotsMovable, rollback
#include "engine/class_lessons.h"       // FindClassLesson, AddClassLesson, Delete/Split
#include "engine/definition_deletes.h"  // DeleteLesson, DeleteClass, DeleteRoom, DeleteTeacher, ...
#include "engine/fixed_positions.h"     // PlaceFixedPositions, RebuildFromTeacherGrids
#include "engine/hour_operations.h"     // PlaceHour, RemoveHour, RemoveAllHours, SetBlockMovable
#include "engine/manual_placement.h"    // slot toggles (F8, F9) and the double click
#include "engine/member_edits.h"        // AddTeacher, AddRoom, RemoveTeacher, RemoveClass, ...
#include "engine/pay_marks.h"           // SetPayMarks, ClearPayMarks
#include "engine/placement_journal.h"   // PlacementJournal, PlacementRun
#include "engine/placement_tests.h"     // HoursOpen, HoursFree, CanPlaceHour, BlockFree, ...
