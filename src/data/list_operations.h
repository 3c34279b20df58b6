#pragma once

// The list operations that depend on the record kind: new records with their defaults, insertion
// with the sorts lessons and class lessons keep, the uniqueness test of names and the sorts by
// key.

#include "data/record_defaults.h"
#include "data/school_data.h"

namespace orvanta {

// A record of the list's kind with its defaults, No := NewNo, RecNo := count + 1.
template <typename T>
T SetDefaults(const RecordList<T>& list) {
  T record;
  FillDefaults(record);
  record.No = list.NewNo();
  record.RecNo = list.Count() + 1;
  return record;
}

// REQUIRES: fewer than 5000 records and record.No not in use (SetDefaults gives such a record).
void Insert(SchoolData& data, const ProgType& record);
void Insert(SchoolData& data, const LessonType& record);  // then sorts lessons by name
void Insert(SchoolData& data, const ClssType& record);
void Insert(SchoolData& data, const RoomType& record);
void Insert(SchoolData& data, const TeacherType& record);
void Insert(SchoolData& data, const CommonType& record);  // then sorts by lesson and class
void Insert(SchoolData& data, const DutyType& record);

// False when another record (other No) has the same name or short name, ignoring the case of
// A..Z.
bool IsUnique(const RecordList<LessonType>& list, const LessonType& record);
bool IsUnique(const RecordList<ClssType>& list, const ClssType& record);
bool IsUnique(const RecordList<RoomType>& list, const RoomType& record);
bool IsUnique(const RecordList<TeacherType>& list, const TeacherType& record);

void SortLessonsByName(RecordList<LessonType>& lessons);
void SortTeachersByNo(RecordList<TeacherType>& teachers);
void SortTeachersByName(RecordList<TeacherType>& teachers);
void SortTeachersByBranch(RecordList<TeacherType>& teachers);
// Grouped by lesson in lesson order, then by the first class in class order.
void SortCommonsByLessonAndClass(SchoolData& data);

}  // namespace orvanta
