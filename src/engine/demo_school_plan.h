#pragma once

// The demo school before it becomes records: its classes, teachers, rooms and class lessons, and
// a complete week in which every class has all 40 of its hours placed and no class, teacher or
// room is in two places at once. The week is built together with the teacher assignment: each
// class is filled by a small search in which a teacher may only get hours where it is free, and
// a lesson that cannot be fitted gets another teacher of its branch (a new one, if need be).
//
// Week slots are bits of a 40-bit mask: bit (day-1)*8 + (hour-1), days 1..5, hours 1..8.

#include <cstdint>
#include <vector>

#include "engine/demo_school_catalogue.h"
#include "engine/demo_school_random.h"

namespace orvanta::demo {

using WeekMask = uint64_t;

// No teacher has more hours than this on one day of the known week (the placement settings allow
// 7 by default, so the known week keeps the daily maximum with room to spare).
inline constexpr int kPlannedDailyHours = 6;

struct PlannedBlock {
  int day;   // 1..5
  int hour;  // 1..8, the first hour
  int length;
};

WeekMask BlockMask(const PlannedBlock& block);

struct PlannedClass {
  int grade;         // 9..12
  int letter_index;  // 0 = A
};

struct PlannedTeacher {
  Branch branch;
  WeekMask busy = 0;     // its lessons in the known week
  WeekMask day_off = 0;  // a whole day it has asked to keep free (closed in its record), or 0
  int load = 0;          // weekly hours

  WeekMask Unavailable() const { return busy | day_off; }
};

struct PlannedRoom {
  RoomKind kind;
  int number;  // 1.. within its kind
  WeekMask busy = 0;
};

struct PlannedClassLesson {
  LessonId lesson;
  std::vector<int> classes;          // indices into SchoolPlan::classes
  std::vector<int> teachers;         // indices into SchoolPlan::teachers
  std::vector<int> electives;        // per teacher: LessonId of its elective, or -1
  std::vector<int> rooms;            // indices into SchoolPlan::rooms
  std::vector<PlannedBlock> blocks;  // the known week
};

struct SchoolPlan {
  std::vector<PlannedClass> classes;
  std::vector<PlannedTeacher> teachers;
  std::vector<PlannedRoom> rooms;
  std::vector<PlannedClassLesson> class_lessons;
};

// A school of class_count classes (1..kMaxDemoClasses) spread over grades 9..12, with its full
// week. Throws std::runtime_error if the week cannot be completed, which the search is built
// never to meet.
SchoolPlan PlanSchool(int class_count, DemoRandom& random);

}  // namespace orvanta::demo
