#pragma once

// The three automatic runs of the teacher timetable screen: "Otomat" (every teacher with hours
// still to place), "Öğretmen" (one teacher) and "BURAYA YERLEŞTİR" (the next block of one class
// lesson from a given slot). Each prepares the run values, ranks and tours, serves the blocks
// through the block search and ends with the result message the screen shows in its warning
// dialog. Blocks placed by a run are not fixed; a block that cannot be placed is left.
//
// An AutoPlacement keeps the data and the control by reference (both must outlive it) and may
// serve any number of runs; its storage is allocated when it is made.

#include <string>
#include <vector>

#include "data/school_data.h"
#include "engine/block_search.h"
#include "engine/run_control.h"

namespace orvanta {

struct RunResult {
  int remaining = 0;    // hours left unplaced in the whole program set ("Kalan")
  std::string message;  // "Yerleşmeyen  7  Kaldı" or "Yerleşmeyen Ders Kalmadı !"
};

// The result message for the hours left unplaced.
std::string ResultMessage(int remaining);

class AutoPlacement {
 public:
  static constexpr int kTeacherAttempts = 20;
  static constexpr int kPasses = 2;

  AutoPlacement(SchoolData& data, RunControl& control);

  // "Otomat". `selected_teacher_no` is the teacher the screen shows; the run moves the selection
  // to each teacher it serves.
  RunResult RunAll(int selected_teacher_no);
  // "Öğretmen": the teacher selected on the screen.
  RunResult RunTeacher(int teacher_no);
  // "BURAYA YERLEŞTİR": the next block of the class lesson from hour `hour` of day `day`, up to
  // the attempts bound of the option record (at least one attempt).
  RunResult RunHere(int common_no, int day, int hour, int selected_teacher_no);

  BlockSearch& search() { return search_; }

 private:
  void Prepare();
  void ServeTeacher(int teacher_no);
  void ServeClassLesson(int common_no);
  bool TeacherComplete(int teacher_no) const;
  RunResult Finish();

  SchoolData& data_;
  RunControl& control_;
  BlockSearch search_;
  std::vector<int> tours_;
  std::vector<int> teacher_lessons_;  // reused by every teacher loop
  int tour_ = 1;
  int selected_teacher_no_ = 0;
};

}  // namespace orvanta
