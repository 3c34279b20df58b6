#pragma once

// The block search shared by the automatic placement and the arrangement. A search places one
// block of a class lesson: directly where the slots are open and free and the rules hold; from
// the second level on also by displacing the blocks in the way and placing each of them again by
// a nested search; and from the second pass on by splitting a block of a divisible class lesson
// in two. A search that fails leaves the grids as it found them (journal rollback).
//
// BlockSearch is the run state of one run, shared by all its nested searches. It allocates
// nothing after construction; it keeps references to the data and the control, which must
// outlive it. Everything runs on the user-interface thread.

#include "data/school_data.h"
#include "engine/placement_journal.h"
#include "engine/placement_rules.h"
#include "engine/run_control.h"

namespace orvanta {

class BlockSearch {
 public:
  // Searches nested deeper than this only try direct placement, which bounds the recursion
  // whatever the attempts bound of the option record says.
  static constexpr int kMaxDepth = 64;
  // A displacement that would have to hold more blocks gives up.
  static constexpr int kMaxDisplaced = 50;
  static constexpr int kMaxSplitDepth = 3;

  BlockSearch(SchoolData& data, RunControl& control);
  BlockSearch(const BlockSearch&) = delete;
  BlockSearch& operator=(const BlockSearch&) = delete;

  // One top-level search for a block of n hours of the class lesson, on day `day` and from hour
  // `hour` when those are above 0. The level becomes the attempt number and the block balance 1;
  // the journal is made active but keeps its entries (callers reset it when they want to).
  // Reports whether the block was placed. An unknown class lesson, or n outside 1..18, is never
  // placed.
  bool Search(int common_no, int n, int day = 0, int hour = 0);

  // The run state the callers set between searches.
  SearchPhase phase;        // attempt (also the level of the next search) and pass
  bool finish_day = false;  // restrict a scan to a day that would complete a teacher
  int stop_code = kRunning;

  int level() const { return level_; }
  PlacementRun& placement() { return run_; }

 private:
  enum class Mode { kDirect, kDisplace };
  struct DisplacedBlock {
    int common_no;
    int d;
    int h;
    int n;
  };
  struct DisplacedList {
    DisplacedBlock blocks[kMaxDisplaced];
    int count = 0;
  };

  bool Nested(int common_no, int n, int day, int hour);
  bool Scan(const CommonType& common, int n, int day, int hour, Mode mode);
  bool Try(const CommonType& common, int n, int d, int h, Mode mode);
  bool SlotsOpen(const CommonType& common, int n, int d, int h) const;
  bool Displace(const CommonType& common, int n, int d, int h);
  bool EjectAll(const CommonType& common, int n, int d, int h, DisplacedList& displaced);
  bool Eject(int common_no, int d, int h, DisplacedList& displaced);
  bool CheckGaps(const TeacherType* ejected_from, int ejected_no, int n, int d,
                 DisplacedList& displaced);
  bool ClearTeacherDay(int teacher_no, int d, DisplacedList& displaced);
  bool Split(const CommonType& common, int n);
  int FinishDay(const CommonType& common, int n) const;
  void PollInput();

  SchoolData& data_;
  RunControl& control_;
  PlacementRun run_;
  int level_ = 0;
  int depth_ = 0;
  int split_depth_ = 0;
};

}  // namespace orvanta
