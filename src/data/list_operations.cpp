#include "data/list_operations.h"

#include "data/turkish_text.h"

namespace orvanta {
namespace {

template <typename T, typename Field>
bool NoOtherHas(const RecordList<T>& list, const T& record, Field field) {
  for (const T& other : list) {
    if (other.No != record.No && EqualsIgnoringAsciiCase((other.*field).Raw(), (record.*field).Raw())) {
      return false;
    }
  }
  return true;
}

template <typename T>
int RecNoOf(const RecordList<T>& list, int no) {
  const T* record = list.Find(no);
  return record != nullptr ? record->RecNo : 0;
}

}  // namespace

void Insert(SchoolData& data, const ProgType& record) { data.progs.Append(record); }
void Insert(SchoolData& data, const ClssType& record) { data.classes.Append(record); }
void Insert(SchoolData& data, const RoomType& record) { data.rooms.Append(record); }
void Insert(SchoolData& data, const TeacherType& record) { data.teachers.Append(record); }
void Insert(SchoolData& data, const DutyType& record) { data.duties.Append(record); }

void Insert(SchoolData& data, const LessonType& record) {
  data.lessons.Append(record);
  SortLessonsByName(data.lessons);
}

void Insert(SchoolData& data, const CommonType& record) {
  data.commons.Append(record);
  SortCommonsByLessonAndClass(data);
}

bool IsUnique(const RecordList<LessonType>& list, const LessonType& record) {
  return NoOtherHas(list, record, &LessonType::Lesson) &&
         NoOtherHas(list, record, &LessonType::SLesson);
}
bool IsUnique(const RecordList<ClssType>& list, const ClssType& record) {
  return NoOtherHas(list, record, &ClssType::Clss);
}
bool IsUnique(const RecordList<RoomType>& list, const RoomType& record) {
  return NoOtherHas(list, record, &RoomType::Room) && NoOtherHas(list, record, &RoomType::SRoom);
}
bool IsUnique(const RecordList<TeacherType>& list, const TeacherType& record) {
  return NoOtherHas(list, record, &TeacherType::Name) &&
         NoOtherHas(list, record, &TeacherType::SName);
}

void SortLessonsByName(RecordList<LessonType>& lessons) {
  lessons.SortByKey([](const LessonType& r) { return NameOrderKey(r.Lesson.Raw()); });
}
void SortTeachersByNo(RecordList<TeacherType>& teachers) {
  teachers.SortByKey([](const TeacherType& r) { return r.No; });
}
void SortTeachersByName(RecordList<TeacherType>& teachers) {
  teachers.SortByKey([](const TeacherType& r) { return NameOrderKey(r.Name.Raw()); });
}
void SortTeachersByBranch(RecordList<TeacherType>& teachers) {
  teachers.SortByKey([](const TeacherType& r) { return NameOrderKey(r.Branch.Raw()); });
}

void SortCommonsByLessonAndClass(SchoolData& data) {
  data.commons.SortByKey([&data](const CommonType& r) {
    const int first_class = r.CX >= 1 ? r.CN(1) : 0;
    return LeadingZeros(RecNoOf(data.lessons, r.Le), 3) +
           LeadingZeros(RecNoOf(data.classes, first_class), 3);
  });
}

}  // namespace orvanta
