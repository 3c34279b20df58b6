#include "engine/block_search.h"

#include <algorithm>
#include <type_traits>

#include "engine/block_operations.h"
#include "engine/class_lesson_members.h"
#include "engine/first_members.h"
#include "engine/gap_measures.h"
#include "engine/placement_settings.h"
#include "engine/placement_tests.h"

namespace orvanta {
namespace {

// A lesson with a split hour Nl must not start a block at Nl, nor have a block run across from
// Nl into Nl + 1 (a break of the school day lies between them).
bool CrossesSplitHour(const LessonType* lesson, int n, int h) {
  if (lesson == nullptr || lesson->Nl <= 0) return false;
  const int split = lesson->Nl;
  return h == split || (h < split && h + n - 1 > split);
}

}  // namespace

BlockSearch::BlockSearch(SchoolData& data, RunControl& control) : data_(data), control_(control) {}

bool BlockSearch::Search(int common_no, int n, int day, int hour) {
  depth_ = 0;
  return Nested(common_no, n, day, hour);
}

bool BlockSearch::Nested(int common_no, int n, int day, int hour) {
  const CommonType* common = data_.commons.Find(common_no);
  if (common == nullptr || n < 1 || n > kHours) return false;
  ++depth_;
  if (depth_ == 1) {
    run_.journal.SetActive(true);
    split_depth_ = 0;
    run_.block_balance = 1;
    if (level_ != phase.attempt) control_.LevelChanged(phase.attempt);
    level_ = phase.attempt;
  }
  bool success = Scan(*common, n, day, hour, Mode::kDirect);
  // Deeper nesting is allowed only while few displaced blocks wait to be placed again.
  if (depth_ <= kMaxDepth && run_.block_balance <= level_ - depth_) {
    if (!success) success = Scan(*common, n, day, hour, Mode::kDisplace);
    if (!success && split_depth_ < kMaxSplitDepth && phase.pass >= 2) {
      ++split_depth_;
      success = Split(*common, n);
      --split_depth_;
    }
  }
  --depth_;
  return success;
}

bool BlockSearch::Scan(const CommonType& common, int n, int day, int hour, Mode mode) {
  PollInput();
  const int only_day = finish_day ? FinishDay(common, n) : 0;
  const LessonType* lesson = data_.lessons.Find(common.Le);
  for (int d = 1; d <= DaysInUse(data_); ++d) {
    if ((day > 0 && d != day) || (only_day > 0 && d != only_day)) continue;
    const int first = common.LC1(d);
    const int last = std::min(common.LC2(d), kHours);
    if (first <= 0 || last <= 0 || last - first + 1 < n) continue;
    for (int h = first; h <= last - n + 1; ++h) {
      if (CrossesSplitHour(lesson, n, h)) continue;
      if ((lesson != nullptr && !lesson->Pb(d, h)) || (hour > 0 && h != hour)) continue;
      if (common.LD(d, h) == d && common.LH(d, h) == h && common.LT(d, h) == n) continue;
      if (Try(common, n, d, h, mode)) return true;
      if (stop_code > 0) return false;
    }
  }
  return false;
}

bool BlockSearch::Try(const CommonType& common, int n, int d, int h, Mode mode) {
  if (!SlotsOpen(common, n, d, h)) return false;
  if (BlockFree(data_, common.No, d, h, n) && RulesHold(data_, common, n, d, h, phase)) {
    return PlaceBlock(data_, run_, common.No, d, h, n);
  }
  return level_ > 1 && mode == Mode::kDisplace && Displace(common, n, d, h);
}

// The open test of the core, plus what only the automatic placement respects: the class
// lesson's own Mv at the first hour, the lesson's allowed slots and the classes' out-of-lesson
// marks.
bool BlockSearch::SlotsOpen(const CommonType& common, int n, int d, int h) const {
  if (!common.Mv(d, h) || !HoursOpen(data_, common.No, d, h, n)) return false;
  const LessonType* lesson = data_.lessons.Find(common.Le);
  for (int k = 0; k < n; ++k) {
    if (lesson != nullptr && !lesson->Pb(d, h + k)) return false;
  }
  return VisitMembers(data_.classes, common.CN, common.CX, [&](const ClssType& clss) {
    for (int k = 0; k < n; ++k) {
      if (clss.Dd(d, h + k) > 0) return false;
    }
    return true;
  });
}

bool BlockSearch::Displace(const CommonType& common, int n, int d, int h) {
  const int mark = run_.journal.Length();
  DisplacedList displaced;
  if (!EjectAll(common, n, d, h, displaced) || displaced.count == 0 ||
      !RulesHold(data_, common, n, d, h, phase) || !PlaceBlock(data_, run_, common.No, d, h, n)) {
    JournalRollback(data_, run_, mark);
    return false;
  }
  // Held in place while the displaced blocks look for new slots, so none of them pushes it out.
  SetBlockSlotsMovable(data_, common.No, d, h, n, false);
  bool all_placed = true;
  for (int i = displaced.count - 1; i >= 0 && all_placed; --i) {
    const DisplacedBlock& block = displaced.blocks[i];
    all_placed = Nested(block.common_no, block.n, 0, 0);
  }
  SetBlockSlotsMovable(data_, common.No, d, h, n, true);
  if (!all_placed) JournalRollback(data_, run_, mark);
  return all_placed;
}

// Removes every block that stands in the block's slots, member by member (teachers, classes,
// rooms) and hour by hour, with the gap check after each. False when a block cannot be taken
// out; the caller rolls back.
bool BlockSearch::EjectAll(const CommonType& common, int n, int d, int h,
                           DisplacedList& displaced) {
  const auto eject_from = [&](const auto& member) {
    const TeacherType* teacher = nullptr;
    if constexpr (kIsTeacher<std::remove_reference_t<decltype(member)>>) teacher = &member;
    for (int k = 0; k < n; ++k) {
      const int other = member.Cm(d, h + k);
      if (other <= 0) continue;
      if (!Eject(other, d, h + k, displaced)) return false;
      if (!CheckGaps(teacher, other, n, d, displaced)) return false;
    }
    return true;
  };
  return VisitMembers(data_.teachers, common.TN, common.TX, eject_from) &&
         VisitMembers(data_.classes, common.CN, common.CX, eject_from) &&
         VisitMembers(data_.rooms, common.RN, common.RX, eject_from);
}

// Removes the whole block of the class lesson that covers (d, x) and lists it as displaced.
// False when the list is full or the grids do not show a block there.
bool BlockSearch::Eject(int common_no, int d, int x, DisplacedList& displaced) {
  const CommonType* common = data_.commons.Find(common_no);
  if (common == nullptr || displaced.count == kMaxDisplaced) return false;
  const int h = common->LH(d, x);
  const int n = common->LT(d, x);
  if (h <= 0 || n <= 0 || !RemoveBlock(data_, run_, common_no, d, h, n)) return false;
  displaced.blocks[displaced.count++] = {common_no, d, h, n};
  return true;
}

// After a block of class lesson E left member X: when the teacher whose gaps are judged (X when
// it is a teacher, else E's first teacher) is held to the gap rule and now has too many gaps,
// the whole day of every teacher of E is cleared for a fresh placement. A teacher X is allowed n
// more, since the block being placed fills n of them. False when a day cannot be cleared.
bool BlockSearch::CheckGaps(const TeacherType* ejected_from, int ejected_no, int n, int d,
                            DisplacedList& displaced) {
  const CommonType* ejected = data_.commons.Find(ejected_no);
  if (ejected == nullptr) return true;
  const TeacherType* judged =
      ejected_from != nullptr ? ejected_from : FirstTeacher(data_, *ejected);
  if (judged == nullptr || RunValueOf(*judged, RunValue::kGapRuleOff) != 0) return true;
  const int limit =
      RunValueOf(*judged, RunValue::kMostWeekGaps) + (ejected_from != nullptr ? n : 0);
  if (GapCount(*judged, DaysInUse(data_)) <= limit) return true;
  return VisitMembers(data_.teachers, ejected->TN, ejected->TX, [&](const TeacherType& teacher) {
    return ClearTeacherDay(teacher.No, d, displaced);
  });
}

bool BlockSearch::ClearTeacherDay(int teacher_no, int d, DisplacedList& displaced) {
  const TeacherType* teacher = data_.teachers.Find(teacher_no);
  if (teacher == nullptr || teacher->LC1(d) <= 0) return true;
  const int first = teacher->LC1(d);
  const int last = std::min(teacher->LC2(d), kHours);
  for (int x = first; x <= last; ++x) {
    if (teacher->Cm(d, x) > 0 && !teacher->Mv(d, x)) return false;
  }
  for (int x = first; x <= last; ++x) {
    if (teacher->Cm(d, x) > 0 && !Eject(teacher->Cm(d, x), d, x, displaced)) return false;
  }
  return true;
}

bool BlockSearch::Split(const CommonType& common, int n) {
  if (n < 2 || !common.Dv) return false;
  const int mark = run_.journal.Length();
  const int first = n - n / 2;
  const int second = n / 2;
  if (Nested(common.No, first, 0, 0) && Nested(common.No, second, 0, 0)) return true;
  JournalRollback(data_, run_, mark);
  return false;
}

// With the finish-day mode on: the day on which a teacher of the class lesson has a single hour
// and this block would complete the teacher (the last such day), 0 when there is none.
int BlockSearch::FinishDay(const CommonType& common, int n) const {
  int only_day = 0;
  for (int d = 1; d <= DaysInUse(data_); ++d) {
    VisitMembers(data_.teachers, common.TN, common.TX, [&](const TeacherType& teacher) {
      if (teacher.LTP(d) == 1 && teacher.PUT + n == teacher.LET) only_day = d;
      return true;
    });
  }
  return only_day;
}

void BlockSearch::PollInput() {
  switch (control_.ProcessPendingInput()) {
    case RunCommand::kStop:
      stop_code = kStopCode;
      break;
    case RunCommand::kSkip:
      stop_code = kSkipCode;
      break;
    case RunCommand::kNone:
      break;
  }
}

}  // namespace orvanta
