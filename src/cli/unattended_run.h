#pragma once

// The run control of orvanta-cli: nobody can press "Durdur" or "Geç" on the command line, so an
// automatic placement or arrangement goes to its end.

#include "engine/run_control.h"

namespace orvanta::cli {

class UnattendedRun : public RunControl {
 public:
  RunCommand ProcessPendingInput() override { return RunCommand::kNone; }
};

}  // namespace orvanta::cli
