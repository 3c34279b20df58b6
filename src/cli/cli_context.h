#pragma once

// What every command of orvanta-cli shares: the drive root given by --root and the program set,
// opened on first use the way the desktop program opens it.

#include <memory>
#include <string>

#include "data/clock.h"
#include "data/school_data.h"

namespace orvanta::cli {

// The main screen's activation without its screen: the opening sequence, the teachers' pay
// initialisation, RecountAll, the fixed positions and the hour rows the timetables show. Throws
// IoError or DamagedFileError from the opening sequence.
void ActivateProgramSet(SchoolData& data, const Clock& clock);

class CliContext {
 public:
  std::string root_option;  // --root; empty = the platform's default drive root

  std::filesystem::path DriveRoot() const;
  // Activates the current program set on first call. Throws IoError or DamagedFileError.
  SchoolData& Data();
  const Clock& clock() const { return clock_; }

 private:
  SystemClock clock_;
  std::unique_ptr<SchoolData> data_;
};

}  // namespace orvanta::cli
