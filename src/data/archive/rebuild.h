#pragma once

// The rebuild after definitions change: every placed hour is taken out and put back where it
// still fits, after lessons, classes, their day windows, teachers or rooms may have changed. Run
// by the main screen after the lesson and daily lesson count screens, and by full file
// maintenance. Hours that no longer fit (a member removed, a window narrowed, a conflict) stay
// unplaced; so do the hours of a class lesson without teachers, because only the teachers' grids
// carry class lessons through the rebuild.

#include "data/archive/worker_wait.h"
#include "data/school_data.h"

namespace orvanta {

struct RebuildSummary {
  int hours_before = 0;  // placed hours (Pt) of all class lessons before the rebuild
  int hours_after = 0;
};

// 1. the slots of every teacher, class and room go into a slot journal and are emptied;
// 2. every class lesson is unplaced (Pt, LTP, LD, LH, LT := 0, Mv all true);
// 3. each class's day windows are normalised (a day with LC1 or LC2 = 0 has both 0, both at
//    most 18, LC2 not below LC1), then RecountAll;
// 4. the journal is replayed in three passes, in journal order: the teachers' class lessons
//    (PlaceHour where CanPlaceHour allows; a class lesson with several teachers is offered once
//    per teacher and the later offers fail), then the marks of free slots (a teacher's with
//    SetMark, a class's out-of-lesson activity with ToggleClassActivity), then every slot that
//    was closed or fixed is closed or fixed again.
// process_events is called before each journal entry. Runs on the user-interface thread.
RebuildSummary RebuildAfterDefinitionsChange(SchoolData& data,
                                             const ProcessEvents& process_events = {});

}  // namespace orvanta
