#include "engine/demo_school_records.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

#include "data/list_operations.h"
#include "engine/class_lessons.h"
#include "engine/demo_school_names.h"

namespace orvanta::demo {
namespace {

// The afternoon, when teachers with part-time duties elsewhere ask for their closed hours.
constexpr int kFirstAfternoonHour = 5;

int AddLesson(SchoolData& data, const CatalogueLesson& lesson) {
  LessonType record = SetDefaults(data.lessons);
  record.Lesson.SetText(lesson.name);
  record.SLesson.SetText(lesson.short_name);
  record.Wl = lesson.hours;
  for (int k = 1; k <= 7; ++k) record.Lf(k) = lesson.form[k - 1];
  record.Gr.SetText(lesson.group);
  record.Nl = lesson.split_hour;
  record.Dv = lesson.divisible;
  record.Sc = lesson.elective ? 1 : 0;
  if (lesson.no_first_hour) {
    for (int d = 1; d <= kDays; ++d) record.Pb(d, 1) = false;
  }
  Insert(data, record);
  return record.No;
}

std::vector<int> AddLessons(SchoolData& data) {
  std::vector<int> numbers;
  for (int id = 0; id < kLessonCount; ++id) {
    numbers.push_back(AddLesson(data, Lesson(static_cast<LessonId>(id))));
  }
  return numbers;
}

std::vector<int> AddClasses(SchoolData& data, const SchoolPlan& plan) {
  std::vector<int> numbers;
  for (const PlannedClass& planned : plan.classes) {
    ClssType record = SetDefaults(data.classes);
    record.Clss.SetText(std::to_string(planned.grade) + "-" +
                        static_cast<char>('A' + planned.letter_index));
    for (int d = 1; d <= kDays; ++d) {
      record.LC1(d) = d <= kDemoDays ? 1 : 0;
      record.LC2(d) = d <= kDemoDays ? kDemoHours : 0;
    }
    Insert(data, record);
    numbers.push_back(record.No);
  }
  return numbers;
}

const CatalogueRoom& RoomOfKind(RoomKind kind) {
  for (const CatalogueRoom& room : SpecialRooms()) {
    if (room.kind == kind) return room;
  }
  throw std::logic_error("demo school: unknown room kind");
}

std::vector<int> AddRooms(SchoolData& data, const SchoolPlan& plan) {
  std::vector<int> numbers;
  for (const PlannedRoom& planned : plan.rooms) {
    const CatalogueRoom& kind = RoomOfKind(planned.kind);
    const bool numbered = std::any_of(plan.rooms.begin(), plan.rooms.end(), [&](const auto& r) {
      return r.kind == planned.kind && r.number > 1;
    });
    const std::string number = numbered ? std::to_string(planned.number) : "";
    RoomType record = SetDefaults(data.rooms);
    record.Room.SetText(std::string(kind.name) + (numbered ? " " + number : ""));
    record.SRoom.SetText(kind.short_name + number);
    Insert(data, record);
    numbers.push_back(record.No);
  }
  return numbers;
}

// Closes the free afternoon hours of one day, as a teacher who works elsewhere in the afternoon
// asks; the known week has no lesson there.
void CloseFreeAfternoon(TeacherType& record, WeekMask busy, int day) {
  for (int h = kFirstAfternoonHour; h <= kDemoHours; ++h) {
    if (!(busy & BlockMask({day, h, 1}))) record.Mv(day, h) = false;
  }
}

void CloseFreeFirstHours(TeacherType& record, WeekMask busy) {
  for (int d = 1; d <= kDemoDays; ++d) {
    if (!(busy & BlockMask({d, 1, 1}))) record.Mv(d, 1) = false;
  }
}

// Closed slots (the planned day off, and free afternoon or first hours), placement preferences
// and clubs for some teachers; the first teacher always has closed slots, so every school shows
// them.
void AddTeacherSettings(TeacherType& record, const PlannedTeacher& planned, bool first,
                        DemoRandom& random) {
  for (int d = 1; d <= kDemoDays; ++d) {
    for (int h = 1; h <= kDemoHours; ++h) {
      if (planned.day_off & BlockMask({d, h, 1})) record.Mv(d, h) = false;
    }
  }
  if (first || random.OneIn(4)) CloseFreeAfternoon(record, planned.busy, 1 + random.Below(5));
  if (random.OneIn(8)) CloseFreeFirstHours(record, planned.busy);
  if (random.OneIn(5)) record.sp_cn(6) = kPlannedDailyHours;  // own daily maximum
  if (random.OneIn(6)) record.sp_cn(1) = 1;                   // gaps allowed
  if (random.OneIn(7)) record.sp_cn(4) = 0;                   // no same-class rule
  if (random.OneIn(3)) {
    const auto clubs = Clubs();
    record.Edu.SetText(clubs[random.Below(static_cast<int>(clubs.size()))]);
  }
}

// Teachers are listed by branch, in the order the plan made them within a branch.
std::vector<int> AddTeachers(SchoolData& data, const SchoolPlan& plan, DemoRandom& random) {
  std::vector<int> order(plan.teachers.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return plan.teachers[a].branch < plan.teachers[b].branch; });
  TeacherNamer namer(random);
  std::vector<int> numbers(plan.teachers.size());
  for (int t : order) {
    const PlannedTeacher& planned = plan.teachers[t];
    const TeacherName name = namer.Next();
    TeacherType record = SetDefaults(data.teachers);
    record.Name.SetText(name.name);
    record.SName.SetText(name.short_name);
    record.Branch.SetText(BranchName(planned.branch));
    AddTeacherSettings(record, planned, data.teachers.Empty(), random);
    Insert(data, record);
    numbers[t] = record.No;
  }
  return numbers;
}

std::vector<int> AddClassLessons(SchoolData& data, const SchoolPlan& plan,
                                 const RecordNumbers& numbers) {
  std::vector<int> result;
  for (const PlannedClassLesson& planned : plan.class_lessons) {
    const int lesson_no = numbers.lessons[static_cast<int>(planned.lesson)];
    const int no = AddClassLesson(data, numbers.classes[planned.classes.front()], lesson_no);
    if (no == 0) throw std::logic_error("demo school: a class lesson could not be added");
    CommonType& record = *data.commons.Find(no);
    record.CX = static_cast<int>(planned.classes.size());
    for (int i = 0; i < record.CX; ++i) record.CN(i + 1) = numbers.classes[planned.classes[i]];
    record.TX = static_cast<int>(planned.teachers.size());
    for (int i = 0; i < record.TX; ++i) {
      record.TN(i + 1) = numbers.teachers[planned.teachers[i]];
      const int elective = planned.electives[i];
      record.LN(i + 1) = elective >= 0 ? numbers.lessons[elective] : 0;
    }
    record.RX = static_cast<int>(planned.rooms.size());
    for (int i = 0; i < record.RX; ++i) record.RN(i + 1) = numbers.rooms[planned.rooms[i]];
    result.push_back(no);
  }
  return result;
}

// Every class gets as class teacher the first of its teachers who has no class yet.
void AssignClassTeachers(SchoolData& data, const SchoolPlan& plan, const RecordNumbers& numbers) {
  for (size_t c = 0; c < plan.classes.size(); ++c) {
    for (const PlannedClassLesson& lesson : plan.class_lessons) {
      if (lesson.classes.size() != 1 || lesson.classes.front() != static_cast<int>(c)) continue;
      TeacherType& teacher = *data.teachers.Find(numbers.teachers[lesson.teachers.front()]);
      if (teacher.Clss != 0) continue;
      teacher.Clss = numbers.classes[c];
      break;
    }
  }
}

void AddDutyPlaces(SchoolData& data, int class_count) {
  if (!data.duties.Empty()) return;
  for (const CatalogueDutyPlace& place : DutyPlaces()) {
    if (class_count < place.min_classes) continue;
    DutyType record = SetDefaults(data.duties);
    record.Duty.SetText(place.name);
    record.SDuty.SetText(place.short_name);
    record.Build.SetText(place.building);
    Insert(data, record);
  }
}

}  // namespace

RecordNumbers AddSchoolRecords(SchoolData& data, const SchoolPlan& plan, DemoRandom& random) {
  RecordNumbers numbers;
  numbers.lessons = AddLessons(data);
  numbers.classes = AddClasses(data, plan);
  numbers.rooms = AddRooms(data, plan);
  numbers.teachers = AddTeachers(data, plan, random);
  numbers.class_lessons = AddClassLessons(data, plan, numbers);
  AssignClassTeachers(data, plan, numbers);
  AddDutyPlaces(data, static_cast<int>(plan.classes.size()));
  return numbers;
}

}  // namespace orvanta::demo
