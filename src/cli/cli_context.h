#pragma once

// What every command of orvanta-cli shares: the drive root given by --root and the program set,
// opened on first use the way the desktop program opens it.

#include <memory>
#include <string>

#include "data/clock.h"
#include "data/school_data.h"

namespace orvanta::cli {

class CliContext {
 public:
  std::string root_option;  // --root; empty = the platform's default drive root

  std::filesystem::path DriveRoot() const;
  // Opens the current program set on first call. Throws IoError or DamagedFileError.
  SchoolData& Data();
  const Clock& clock() const { return clock_; }

 private:
  SystemClock clock_;
  std::unique_ptr<SchoolData> data_;
};

}  // namespace orvanta::cli
