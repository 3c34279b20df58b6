#pragma once

// A small school built through the list operations, in an opened program set of its own drive
// root, for the rebuild, maintenance and import tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "data/archive/archive_test_files.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "data/recount.h"
#include "engine/hour_operations.h"
#include "engine/invariant_check.h"
#include "engine/placement_tests.h"

namespace orvanta::testing {

class SchoolTest : public ::testing::Test {
 protected:
  SchoolTest() : data_(std::make_unique<SchoolData>(root_.path())) {
    OpenProgramSet(*data_, clock_);
  }

  SchoolData& data() { return *data_; }

  int AddLesson(const char* name, int weekly_hours, int spr = 0) {
    LessonType lesson = SetDefaults(data_->lessons);
    lesson.Lesson.SetText(name);
    lesson.Wl = weekly_hours;
    lesson.Lf(1) = weekly_hours;
    lesson.Spr = spr;
    Insert(*data_, lesson);
    return lesson.No;
  }
  int AddClass(const char* name) {
    ClssType clss = SetDefaults(data_->classes);
    clss.Clss.SetText(name);
    Insert(*data_, clss);
    return clss.No;
  }
  int AddTeacher(const char* name) {
    TeacherType teacher = SetDefaults(data_->teachers);
    teacher.Name.SetText(name);
    Insert(*data_, teacher);
    return teacher.No;
  }
  int AddRoom(const char* name) {
    RoomType room = SetDefaults(data_->rooms);
    room.Room.SetText(name);
    Insert(*data_, room);
    return room.No;
  }
  int AddClassLesson(int lesson_no, std::initializer_list<int> classes,
                     std::initializer_list<int> teachers = {},
                     std::initializer_list<int> rooms = {}) {
    CommonType common = SetDefaults(data_->commons);
    common.Le = lesson_no;
    common.Wl = data_->lessons.Find(lesson_no)->Wl;
    for (int no : classes) common.CN(++common.CX) = no;
    for (int no : teachers) common.TN(++common.TX) = no;
    for (int no : rooms) common.RN(++common.RX) = no;
    Insert(*data_, common);
    RecountAll(*data_);
    return common.No;
  }
  // Places hours h .. h + n - 1 of day d; each must pass the placement test.
  void Place(int common_no, int d, int h, int n = 1) {
    for (int k = 0; k < n; ++k) {
      ASSERT_TRUE(CanPlaceHour(*data_, common_no, d, h + k)) << "hour " << h + k;
      PlaceHour(*data_, common_no, d, h + k);
    }
  }

  CommonType& Common(int no) { return *data_->commons.Find(no); }
  ClssType& Class(int no) { return *data_->classes.Find(no); }
  TeacherType& Teacher(int no) { return *data_->teachers.Find(no); }
  RoomType& Room(int no) { return *data_->rooms.Find(no); }

  void ExpectInvariants() { EXPECT_EQ(CheckInvariants(*data_), ""); }

  TempDir root_;
  FixedClock clock_{{2024, 3, 5, 14, 7, 9, 42}};
  std::unique_ptr<SchoolData> data_;
};

}  // namespace orvanta::testing
