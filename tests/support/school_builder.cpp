#include "support/school_builder.h"

#include "data/list_operations.h"
#include "data/recount.h"

namespace orvanta::testing {
namespace {

void SetMembers(ANType& nos, int32_t& count, const std::vector<int>& members) {
  count = static_cast<int32_t>(members.size());
  for (size_t i = 0; i < members.size(); ++i) nos(static_cast<int>(i) + 1) = members[i];
}

}  // namespace

SchoolBuilder::SchoolBuilder() : data_("/nonexistent") {}

int SchoolBuilder::AddLesson(int weekly_hours, std::vector<int> blocks) {
  LessonType lesson = SetDefaults(data_.lessons);
  lesson.Wl = weekly_hours;
  for (size_t i = 0; i < blocks.size() && i < 7; ++i)
    lesson.Lf(static_cast<int>(i) + 1) = blocks[i];
  lesson.Lesson.SetText("L" + std::to_string(lesson.No));
  lesson.SLesson.SetText("L" + std::to_string(lesson.No));
  Insert(data_, lesson);
  return lesson.No;
}

int SchoolBuilder::AddClass() {
  ClssType clss = SetDefaults(data_.classes);
  clss.Clss.SetText("C" + std::to_string(clss.No));
  Insert(data_, clss);
  return clss.No;
}

int SchoolBuilder::AddTeacher() {
  TeacherType teacher = SetDefaults(data_.teachers);
  teacher.Name.SetText("T" + std::to_string(teacher.No));
  teacher.SName.SetText("T" + std::to_string(teacher.No));
  Insert(data_, teacher);
  return teacher.No;
}

int SchoolBuilder::AddRoom() {
  RoomType room = SetDefaults(data_.rooms);
  room.Room.SetText("R" + std::to_string(room.No));
  room.SRoom.SetText("R" + std::to_string(room.No));
  Insert(data_, room);
  return room.No;
}

int SchoolBuilder::AddCommon(int lesson_no, std::vector<int> classes, std::vector<int> teachers,
                             std::vector<int> rooms) {
  const LessonType& lesson = Lesson(lesson_no);
  CommonType common = SetDefaults(data_.commons);
  common.Le = lesson_no;
  common.Wl = lesson.Wl;
  common.LF = lesson.Lf;
  common.Dv = lesson.Dv;
  SetMembers(common.CN, common.CX, classes);
  SetMembers(common.TN, common.TX, teachers);
  SetMembers(common.RN, common.RX, rooms);
  Insert(data_, common);
  RecountAll(data_);
  return common.No;
}

}  // namespace orvanta::testing
