#pragma once

// A school whose teacher is taught to a class of its own per class lesson, so that only the
// teacher's week constrains the arrangement, and verbs to lay out and read the teacher's week.

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "data/record_defaults.h"
#include "engine/block_operations.h"
#include "engine/invariant_check.h"
#include "engine/record_snapshot.h"
#include "engine/run_control.h"
#include "support/school_builder.h"

namespace orvanta::testing {

// Answers the search's polls with "Durdur" from a given poll on and records what the arrangement
// tells the screen. `during_poll` runs inside every poll, as the screen's input handling would.
class ArrangementControl : public RunControl {
 public:
  RunCommand ProcessPendingInput() override {
    ++polls;
    if (during_poll) during_poll();
    return polls >= stop_at_poll ? RunCommand::kStop : RunCommand::kNone;
  }
  void RunStarted() override { ++runs_started; }
  void TeacherSelected(int teacher_no) override { selected.push_back(teacher_no); }
  void LevelChanged(int level) override { levels.push_back(level); }

  int stop_at_poll = INT_MAX;
  std::function<void()> during_poll;
  int polls = 0;
  int runs_started = 0;
  std::vector<int> selected;
  std::vector<int> levels;
};

class ArrangementTest : public ::testing::Test {
 protected:
  ArrangementTest() {
    FillDefaults(data().option);
    data().days_in_use = 5;
    data().hour_rows = 12;
    teacher_ = school_.AddTeacher();
  }

  SchoolData& data() { return school_.data(); }
  TeacherType& Teacher(int no) { return school_.Teacher(no); }

  // A class lesson of a new lesson of `hours` (form of settlement `blocks`) that the teacher
  // teaches to a new class.
  int AddLessonOf(int teacher, int hours, std::vector<int> blocks = {}) {
    return school_.AddCommon(school_.AddLesson(hours, std::move(blocks)), {school_.AddClass()},
                             {teacher});
  }

  // Places a block as an earlier run would have.
  void Put(int common, int d, int h, int n = 1) {
    ASSERT_TRUE(PlaceBlock(data(), setup_, common, d, h, n)) << common << " at " << d << "," << h;
  }

  // One-hour lessons of the teacher, placed at these hours of day d.
  std::vector<int> PutSingles(int teacher, int d, const std::vector<int>& hours) {
    std::vector<int> commons;
    for (const int h : hours) {
      commons.push_back(AddLessonOf(teacher, 1));
      Put(commons.back(), d, h);
    }
    return commons;
  }

  // A lesson may only ever stand where it stands now.
  void PinLesson(int common) {
    const CommonType& placed = school_.Common(common);
    LessonType& lesson = school_.Lesson(placed.Le);
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) lesson.Pb(d, h) = placed.LH(d, h) > 0;
    }
  }

  std::vector<int> Loads(int teacher) {
    std::vector<int> loads;
    for (int d = 1; d <= 5; ++d) loads.push_back(Teacher(teacher).LTP(d));
    return loads;
  }

  // The hours of day d on which the teacher has a lesson.
  std::vector<int> Hours(int teacher, int d) {
    std::vector<int> hours;
    for (int h = 1; h <= kHours; ++h) {
      if (Teacher(teacher).Cm(d, h) > 0) hours.push_back(h);
    }
    return hours;
  }

  // Every byte of every record that a placement can touch.
  std::string Snapshot() { return PlacementBytes(data()); }

  void ExpectSound() { EXPECT_EQ(CheckInvariants(data()), ""); }

  SchoolBuilder school_;
  PlacementRun setup_;
  ArrangementControl control_;
  int teacher_ = 0;
};

}  // namespace orvanta::testing
