#pragma once

// A small school built in memory for tests: records with their defaults, added through the list
// operations, named by their No. Classes keep the default week (days 1..5, hours 1..7); every
// AddCommon ends with RecountAll so class lessons know their usable hours.

#include <string>
#include <vector>

#include "data/school_data.h"

namespace orvanta::testing {

class SchoolBuilder {
 public:
  SchoolBuilder();

  SchoolData& data() { return data_; }

  // A lesson of weekly_hours with the form of settlement `blocks` (e.g. {2, 2, 1}; empty = none),
  // named "L<No>".
  int AddLesson(int weekly_hours, std::vector<int> blocks = {});
  int AddClass();    // named "C<No>"
  int AddTeacher();  // named "T<No>"
  int AddRoom();     // named "R<No>"
  // A class lesson of the lesson (Wl, LF, Dv from it) with these members, then RecountAll.
  int AddCommon(int lesson_no, std::vector<int> classes, std::vector<int> teachers = {},
                std::vector<int> rooms = {});

  // REQUIRES: the record exists. Valid until the list changes.
  LessonType& Lesson(int no) { return *data_.lessons.Find(no); }
  ClssType& Class(int no) { return *data_.classes.Find(no); }
  TeacherType& Teacher(int no) { return *data_.teachers.Find(no); }
  RoomType& Room(int no) { return *data_.rooms.Find(no); }
  CommonType& Common(int no) { return *data_.commons.Find(no); }

 private:
  SchoolData data_;
};

}  // namespace orvanta::testing
