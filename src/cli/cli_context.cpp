#include "cli/cli_context.h"

#include <string>

#include "data/archive/pay_initialisation.h"
#include "data/hour_rows.h"
#include "data/paths.h"
#include "data/program_set_io.h"
#include "data/recount.h"
#include "engine/fixed_positions.h"
#include "log/log.h"

namespace orvanta::cli {

void ActivateProgramSet(SchoolData& data, const Clock& clock) {
  OpenProgramSet(data, clock);
  InitialiseTeacherPay(data, clock);
  RecountAll(data);
  for (const SkippedHour& skipped : PlaceFixedPositions(data)) {
    log::Write("orvanta-cli", "ActivateProgramSet",
               "Fixed position not placed: class lesson " + std::to_string(skipped.common_no) +
                   ", day " + std::to_string(skipped.day) + ", hour " +
                   std::to_string(skipped.hour));
  }
  data.hour_rows = ComputeHourRows(data);
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
