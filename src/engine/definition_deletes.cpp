#include "engine/definition_deletes.h"

#include <vector>

#include "data/recount.h"
#include "engine/class_lesson_members.h"
#include "engine/class_lessons.h"
#include "engine/member_edits.h"

namespace orvanta {
namespace {

// The class lessons, in list order, that `holds` picks; taken before any of them is changed,
// because deleting and unplacing reorder and renumber the list.
template <typename Holds>
std::vector<int> CommonsWhere(const SchoolData& data, Holds holds) {
  std::vector<int> nos;
  for (const CommonType& common : data.commons) {
    if (holds(common)) nos.push_back(common.No);
  }
  return nos;
}

template <typename Record>
void ClearActivity(Record& record, int lesson_no) {
  for (int32_t& cell : record.Dd.items) {
    if (cell == lesson_no) cell = 0;
  }
}

}  // namespace

void DeleteLesson(SchoolData& data, int lesson_no) {
  if (!data.lessons.Has(lesson_no)) return;
  const auto of_lesson = [&](const CommonType& c) { return c.Le == lesson_no; };
  for (const int common_no : CommonsWhere(data, of_lesson)) DeleteClassLesson(data, common_no);
  for (TeacherType& teacher : data.teachers) ClearActivity(teacher, lesson_no);
  for (ClssType& clss : data.classes) ClearActivity(clss, lesson_no);
  data.lessons.Delete(lesson_no);
}

void DeleteClass(SchoolData& data, int class_no) {
  if (!data.classes.Has(class_no)) return;
  for (TeacherType& teacher : data.teachers) {
    if (teacher.Clss == class_no) teacher.Clss = 0;
  }
  const auto holds = [&](const CommonType& c) { return IsMember(c.CN, c.CX, class_no); };
  for (const int common_no : CommonsWhere(data, holds)) RemoveClass(data, common_no, class_no);
  data.classes.Delete(class_no);
}

void DeleteRoom(SchoolData& data, int room_no) {
  if (!data.rooms.Has(room_no)) return;
  const auto holds = [&](const CommonType& c) { return IsMember(c.RN, c.RX, room_no); };
  for (const int common_no : CommonsWhere(data, holds)) RemoveRoom(data, common_no, room_no);
  data.rooms.Delete(room_no);
  RecountAll(data);
}

void DeleteTeacher(SchoolData& data, int teacher_no) {
  if (!data.teachers.Has(teacher_no)) return;
  const auto holds = [&](const CommonType& c) { return IsMember(c.TN, c.TX, teacher_no); };
  for (const int common_no : CommonsWhere(data, holds)) {
    RemoveTeacher(data, common_no, teacher_no);
  }
  data.teachers.Delete(teacher_no);
  RecountAll(data);
}

void DeleteDutyPlace(SchoolData& data, int duty_no) { data.duties.Delete(duty_no); }

}  // namespace orvanta
