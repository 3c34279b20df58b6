#pragma once

// The arrangement ("DÜZENLE"): improves a finished timetable one teacher at a time by removing
// gaps, lone days and uneven daily loads. An Arrangement is the open dialog's engine: making one
// is opening the dialog, and its commands are the dialog's buttons. Every command moves only
// movable blocks, only through the block operations and their journal, and a command that fails
// leaves the grids exactly as it found them.
//
// Progress and stop go through the RunControl: every scan of the block search lets it process
// pending input, where "Durdur" (RunCommand::kStop, or Stop()) ends the command after the current
// try; gap removal for all teachers names the teacher it works on; LevelChanged tells the level
// (the command's attempt). The elapsed time is the caller's to count (ElapsedTimeText).
//
// Single-threaded: everything runs on the user-interface thread. The data and the control must
// outlive the Arrangement. While a command runs, no other command may start (one that is asked
// for then does nothing and reports failure), and no other code may change the data model.

#include <functional>
#include <string_view>

#include "data/school_data.h"
#include "engine/arrangement_measures.h"
#include "engine/arrangement_run.h"
#include "engine/block_search.h"
#include "engine/run_control.h"

namespace orvanta {

class Arrangement {
 public:
  static constexpr int kDefaultGapThreshold = 2;  // "Ortalama Boşluk"
  static constexpr int kMaxGapThreshold = 99;     // the field takes two digits

  // Opening: the run values of every teacher are derived for the gap threshold (kept within
  // 0..99) and the daily maximum, the finish-day mode is switched on and the journal made active.
  // REQUIRES: the data is recounted.
  Arrangement(SchoolData& data, RunControl& control, int gap_threshold = kDefaultGapThreshold);
  Arrangement(const Arrangement&) = delete;
  Arrangement& operator=(const Arrangement&) = delete;

  int gap_threshold() const { return gap_threshold_; }
  // A change of "Ortalama Boşluk": the gap run values of every teacher are derived again.
  void SetGapThreshold(int gap_threshold);

  // "Öğretmen Sayısı" and "Tek Düşen Sayısı" for the current threshold.
  ArrangementCounts Counts() const;

  // The commands. An unknown teacher No fails without changing anything.
  ArrangementOutcome RemoveGaps(int teacher_no);         // "Boşlukları Al"
  void RemoveGapsForAll();                               // "Boşlukları Al (Tümü)"
  ArrangementOutcome RemoveLoneDays(int teacher_no);     // "Tek Düşenleri Kaldır"
  ArrangementOutcome BalanceDailyLoads(int teacher_no);  // "Düzenle"

  // "Durdur": the running command ends after its current try; its unfinished step is rolled
  // back. Nothing when no command runs.
  void Stop();

  bool running() const { return running_; }
  // The level shown beside the elapsed time: the attempt of the last search, 0 before any.
  int level() const { return search_.level(); }

 private:
  // The running state around one command: the stop code starts at 0.
  ArrangementOutcome Run(const std::function<ArrangementOutcome()>& command);

  SchoolData& data_;
  RunControl& control_;
  BlockSearch search_;
  ArrangementRun run_;
  int gap_threshold_;
  bool running_ = false;
};

// The message the dialog shows after a single-teacher command: "İşlem Başarılı !",
// "İşlem Başarısız !", or empty when it shows none.
std::string_view ArrangementMessage(ArrangementOutcome outcome);

}  // namespace orvanta
