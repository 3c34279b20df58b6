#include "engine/auto_placement.h"

#include "data/hour_totals.h"
#include "data/recount.h"
#include "engine/class_lesson_members.h"
#include "engine/next_block_length.h"
#include "engine/placement_settings.h"
#include "engine/run_values.h"
#include "engine/teacher_rank.h"
#include "engine/tours.h"

namespace orvanta {
namespace {

bool HasBlockOfAtLeast(const CommonType& common, int length) {
  for (int k = 1; k <= LFType::kSize; ++k) {
    if (common.LF(k) >= length) return true;
  }
  return false;
}

}  // namespace

std::string ResultMessage(int remaining) {
  if (remaining > 0) return "Yerleşmeyen  " + std::to_string(remaining) + "  Kaldı";
  return "Yerleşmeyen Ders Kalmadı !";
}

AutoPlacement::AutoPlacement(SchoolData& data, RunControl& control)
    : data_(data), control_(control), search_(data, control) {
  teacher_lessons_.reserve(kMaxRecords);
}

void AutoPlacement::Prepare() {
  search_.finish_day = false;
  // The teachers' part of the recount; the class and class-lesson masks it starts from are
  // rebuilt with it.
  RecountAll(data_);
  DeriveRunValues(data_);
  for (TeacherType& teacher : data_.teachers) RankTeacher(teacher, DaysInUse(data_));
  control_.RunStarted();
  tours_ = TourLengths(data_);
}

RunResult AutoPlacement::RunAll(int selected_teacher_no) {
  selected_teacher_no_ = selected_teacher_no;
  Prepare();
  search_.placement().journal.SetActive(true);
  search_.placement().journal.Reset();
  const std::vector<int> run_list = RankedRunList(data_);
  if (!run_list.empty()) {
    for (auto tour = tours_.rbegin(); tour != tours_.rend(); ++tour) {
      tour_ = *tour;
      if (ComputeHourTotals(data_).remaining() > 0) {
        search_.stop_code = kRunning;
        for (int teacher_no : run_list) {
          ServeTeacher(teacher_no);
          if (search_.stop_code == kStopCode) break;
        }
      }
      if (search_.stop_code == kStopCode) break;
    }
  }
  return Finish();
}

RunResult AutoPlacement::RunTeacher(int teacher_no) {
  selected_teacher_no_ = teacher_no;
  Prepare();
  tour_ = 1;
  search_.placement().journal.Reset();
  search_.stop_code = kRunning;
  ServeTeacher(teacher_no);
  return Finish();
}

RunResult AutoPlacement::RunHere(int common_no, int day, int hour, int selected_teacher_no) {
  selected_teacher_no_ = selected_teacher_no;
  Prepare();
  tour_ = 1;
  search_.phase.pass = 2;
  search_.phase.attempt = 0;
  const CommonType* common = data_.commons.Find(common_no);
  if (common != nullptr) {
    const int bound = data_.option.attempts_bound;
    bool placed = false;
    do {
      ++search_.phase.attempt;
      search_.stop_code = kRunning;
      search_.placement().journal.Reset();
      const int n = NextBlockLength(*common);
      if (n <= 0) break;
      placed = search_.Search(common_no, n, day, hour);
    } while (!placed && search_.stop_code < 1 && search_.phase.attempt < bound);
    if (placed) control_.BlockPlaced();
  }
  return Finish();
}

void AutoPlacement::ServeTeacher(int teacher_no) {
  if (data_.teachers.Find(teacher_no) == nullptr || TeacherComplete(teacher_no)) return;
  selected_teacher_no_ = teacher_no;
  control_.TeacherSelected(teacher_no);
  teacher_lessons_.clear();
  for (const CommonType& common : data_.commons) {
    if (common.Pt < common.Wl && IsMember(common.TN, common.TX, teacher_no) &&
        HasBlockOfAtLeast(common, tour_)) {
      teacher_lessons_.push_back(common.No);
    }
  }
  search_.stop_code = kRunning;
  search_.phase.attempt = 0;
  do {
    ++search_.phase.attempt;
    search_.phase.pass = 0;
    do {
      ++search_.phase.pass;
      for (int common_no : teacher_lessons_) {
        const CommonType* common = data_.commons.Find(common_no);
        if (common == nullptr || common->Pt >= common->Wl) continue;
        ServeClassLesson(common_no);
        if (search_.stop_code == kStopCode) return;
      }
    } while (!TeacherComplete(teacher_no) && search_.phase.pass < kPasses);
  } while (search_.stop_code != kStopCode && !TeacherComplete(teacher_no) &&
           search_.phase.attempt < kTeacherAttempts);
}

void AutoPlacement::ServeClassLesson(int common_no) {
  const CommonType* common = data_.commons.Find(common_no);
  do {
    const int n = NextBlockLength(*common);
    if (n <= 0 || n < tour_) return;
    control_.CommonSelected(common_no);
    search_.placement().journal.Reset();
    if (!search_.Search(common_no, n)) return;
    control_.BlockPlaced();
  } while (common->Pt != common->Wl);
}

bool AutoPlacement::TeacherComplete(int teacher_no) const {
  const TeacherType* teacher = data_.teachers.Find(teacher_no);
  return teacher == nullptr || teacher->PUT == teacher->LET;
}

RunResult AutoPlacement::Finish() {
  RunResult result;
  result.remaining = ComputeHourTotals(data_).remaining();
  result.message = ResultMessage(result.remaining);
  if (result.remaining > 0) {
    if (TeacherType* teacher = data_.teachers.Find(selected_teacher_no_)) {
      RunValueOf(*teacher, RunValue::kLoneDay) = 0;
    }
  }
  return result;
}

}  // namespace orvanta
