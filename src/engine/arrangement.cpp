#include "engine/arrangement.h"

#include <algorithm>

#include "engine/arrangement_balance.h"
#include "engine/arrangement_gaps.h"
#include "engine/arrangement_lone_days.h"
#include "engine/arrangement_run_values.h"

namespace orvanta {

Arrangement::Arrangement(SchoolData& data, RunControl& control, int gap_threshold)
    : data_(data),
      control_(control),
      search_(data, control),
      run_{data, search_, control},
      gap_threshold_(std::clamp(gap_threshold, 0, kMaxGapThreshold)) {
  DeriveArrangementGapValues(data_, gap_threshold_);
  DeriveArrangementDailyMaximum(data_);
  search_.finish_day = true;
  search_.placement().journal.SetActive(true);
}

void Arrangement::SetGapThreshold(int gap_threshold) {
  if (running_) return;
  gap_threshold_ = std::clamp(gap_threshold, 0, kMaxGapThreshold);
  DeriveArrangementGapValues(data_, gap_threshold_);
}

ArrangementCounts Arrangement::Counts() const {
  return CountArrangementTargets(data_, gap_threshold_);
}

ArrangementOutcome Arrangement::Run(const std::function<ArrangementOutcome()>& command) {
  if (running_) return ArrangementOutcome::kFailed;
  running_ = true;
  search_.stop_code = kRunning;
  control_.RunStarted();
  const ArrangementOutcome outcome = command();
  running_ = false;
  return outcome;
}

ArrangementOutcome Arrangement::RemoveGaps(int teacher_no) {
  return Run([&] { return orvanta::RemoveGaps(run_, teacher_no, gap_threshold_); });
}

void Arrangement::RemoveGapsForAll() {
  Run([&] {
    orvanta::RemoveGapsForAll(run_, gap_threshold_);
    return ArrangementOutcome::kNothingRun;
  });
}

ArrangementOutcome Arrangement::RemoveLoneDays(int teacher_no) {
  return Run([&] { return orvanta::RemoveLoneDays(run_, teacher_no); });
}

ArrangementOutcome Arrangement::BalanceDailyLoads(int teacher_no) {
  return Run([&] { return orvanta::BalanceDailyLoads(run_, teacher_no); });
}

void Arrangement::Stop() {
  if (running_) search_.stop_code = kStopCode;
}

std::string_view ArrangementMessage(ArrangementOutcome outcome) {
  switch (outcome) {
    case ArrangementOutcome::kSucceeded:
      return "İşlem Başarılı !";
    case ArrangementOutcome::kFailed:
      return "İşlem Başarısız !";
    case ArrangementOutcome::kNothingRun:
      break;
  }
  return {};
}

}  // namespace orvanta
