#pragma once

// The hooks of the running program: the steps of other subsystems that this build has. A step
// that is not built yet stays empty (its sequence then skips it): the rebuild after definitions
// change, the automatic backup, the retention cleaner, the net backup manager and the update
// check.

#include "app/app_hooks.h"
#include "app/event_log.h"
#include "data/clock.h"

namespace orvanta {

// clock and log must outlive the hooks.
AppHooks ProgramHooks(const Clock& clock, EventLog& log);

}  // namespace orvanta
