#include "cli/cli_context.h"

#include <algorithm>

#include "data/archive/pay_initialisation.h"
#include "data/paths.h"
#include "data/program_set_io.h"
#include "data/recount.h"
#include "engine/fixed_positions.h"

namespace orvanta::cli {
namespace {

// The larger of the hours in use and the latest last hour of any class.
int HourRows(const SchoolData& data) {
  int rows = data.option.hours_in_use;
  for (const ClssType& clss : data.classes) {
    for (int d = 1; d <= kDays; ++d) rows = std::max<int>(rows, clss.LC2(d));
  }
  return std::clamp(rows, 1, kHours);
}

}  // namespace

void ActivateProgramSet(SchoolData& data, const Clock& clock) {
  OpenProgramSet(data, clock);
  InitialiseTeacherPay(data, clock);
  RecountAll(data);
  PlaceFixedPositions(data);
  data.hour_rows = HourRows(data);
}

std::filesystem::path CliContext::DriveRoot() const {
  if (root_option.empty()) return DefaultDriveRoot();
  return std::filesystem::absolute(std::filesystem::u8path(root_option));
}

SchoolData& CliContext::Data() {
  if (!data_) {
    auto data = std::make_unique<SchoolData>(DriveRoot());
    ActivateProgramSet(*data, clock_);
    data_ = std::move(data);
  }
  return *data_;
}

}  // namespace orvanta::cli
