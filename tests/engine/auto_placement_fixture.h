#pragma once

// A small school for the automatic placement tests: the builder's records with the default
// option record (five days, default placement settings), helpers that put blocks into the grids
// through the core, and a control that plays the screen.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "data/record_defaults.h"
#include "data/recount.h"
#include "engine/block_operations.h"
#include "engine/invariant_check.h"
#include "engine/placement_settings.h"
#include "engine/run_control.h"
#include "engine/run_values.h"
#include "support/school_builder.h"

namespace orvanta::testing {

// Plays the screen: answers every poll with the command a test scripts and records what the run
// reports.
class ScriptedControl : public RunControl {
 public:
  // Called at every poll with the number of polls so far (1 for the first).
  std::function<RunCommand(int)> command_at_poll = [](int) { return RunCommand::kNone; };

  int polls = 0;
  bool started = false;
  std::vector<int> teachers;    // TeacherSelected, in order
  std::vector<int> commons;     // CommonSelected, in order
  std::vector<int> placed_pts;  // the Pt of `watched` at every BlockPlaced
  std::vector<int> levels;
  const CommonType* watched = nullptr;

  RunCommand ProcessPendingInput() override { return command_at_poll(++polls); }
  void RunStarted() override { started = true; }
  void TeacherSelected(int no) override { teachers.push_back(no); }
  void CommonSelected(int no) override { commons.push_back(no); }
  void BlockPlaced() override { placed_pts.push_back(watched != nullptr ? watched->Pt : 0); }
  void LevelChanged(int level) override { levels.push_back(level); }
};

class PlacementFixture : public ::testing::Test {
 protected:
  PlacementFixture() : data(school.data()) {
    FillDefaults(data.option);
    data.days_in_use = data.option.days_in_use;
  }

  void SetSetting(PlacementSetting element, int value) {
    data.option.placement_settings(static_cast<int>(element)) = value;
  }

  // Puts a block into the grids as a run would, outside any journal.
  void Place(int common_no, int d, int h, int n) {
    ASSERT_TRUE(PlaceBlock(data, placed_, common_no, d, h, n))
        << common_no << " at " << d << "/" << h;
  }
  void Fix(int common_no, int d, int h, int n) {
    SetBlockSlotsMovable(data, common_no, d, h, n, false);
  }

  // The recount and run values every run starts from.
  void DeriveValues() {
    RecountAll(data);
    DeriveRunValues(data);
  }

  // Closes hours first..last of day d for the teacher.
  void CloseTeacher(int teacher_no, int d, int first, int last) {
    for (int h = first; h <= last; ++h) school.Teacher(teacher_no).Mv(d, h) = false;
  }
  // Gives the class lessons on day d only between these hours (0 = no lessons that day).
  void ClassDay(int class_no, int d, int first, int last) {
    school.Class(class_no).LC1(d) = static_cast<uint8_t>(first);
    school.Class(class_no).LC2(d) = static_cast<uint8_t>(last);
  }

  // The first hours of the blocks of a class lesson on day d, in hour order.
  std::vector<int> BlockStarts(int common_no, int d) {
    std::vector<int> starts;
    const CommonType& common = school.Common(common_no);
    for (int h = 1; h <= kHours; ++h) {
      if (common.LH(d, h) == h) starts.push_back(h);
    }
    return starts;
  }

  void ExpectConsistent() { EXPECT_EQ(CheckInvariants(data), ""); }

  SchoolBuilder school;
  SchoolData& data;
  ScriptedControl control;

 private:
  PlacementRun placed_;
};

}  // namespace orvanta::testing
