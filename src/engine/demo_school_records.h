#pragma once

// Turns the demo school's plan into records of the open program set: lessons (with the
// electives), classes, rooms, teachers with their closed slots, preferences, clubs and classes,
// class lessons with their teachers, electives and rooms, and duty places. Places nothing.

#include <vector>

#include "data/school_data.h"
#include "engine/demo_school_plan.h"

namespace orvanta::demo {

// The No each planned entity got, by its index in the plan (lessons by LessonId).
struct RecordNumbers {
  std::vector<int> lessons;
  std::vector<int> classes;
  std::vector<int> teachers;
  std::vector<int> rooms;
  std::vector<int> class_lessons;
};

RecordNumbers AddSchoolRecords(SchoolData& data, const SchoolPlan& plan, DemoRandom& random);

}  // namespace orvanta::demo
