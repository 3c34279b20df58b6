#pragma once

// Making and unmaking class lessons (the class-lesson screens).

#include "data/school_data.h"

namespace orvanta {

// The No of the first class lesson in list order whose Le is the lesson and whose CN holds the
// class (joint lessons count); 0 when none.
int FindClassLesson(const SchoolData& data, int class_no, int lesson_no);

// Inserts a new class lesson of one class: the defaults, CX = 1, CN(1) = class, Le = lesson, and
// Wl, LF, Sc, spr (from Spr) and Dv from the lesson. Does not recount (callers recompute the
// class's LET and TLE). Returns the new No, or 0 when the lesson or the class does not exist or
// 5000 class lessons exist already. The class-lesson list is re-sorted.
int AddClassLesson(SchoolData& data, int class_no, int lesson_no);

// Unplaces the class lesson, deletes its record and runs RecountAll.
void DeleteClassLesson(SchoolData& data, int common_no);

// Splits a joint lesson into one class lesson per class: the class lesson is deleted, and every
// class it had that has no class lesson of that lesson left gets a new one (with its LET and TLE
// recomputed); finally RecountAll. The new class lessons are unplaced.
void SplitClassLesson(SchoolData& data, int common_no);

}  // namespace orvanta
