#include "cli/cli_context.h"

#include "data/paths.h"
#include "data/program_set_io.h"
#include "data/recount.h"

namespace orvanta::cli {

std::filesystem::path CliContext::DriveRoot() const {
  if (root_option.empty()) return DefaultDriveRoot();
  return std::filesystem::absolute(std::filesystem::u8path(root_option));
}

SchoolData& CliContext::Data() {
  if (!data_) {
    auto data = std::make_unique<SchoolData>(DriveRoot());
    OpenProgramSet(*data, clock_);
    RecountAll(*data);
    data_ = std::move(data);
  }
  return *data_;
}

}  // namespace orvanta::cli
