#pragma once

// The hooks of the running program: the steps of other subsystems that this build has. A step
// that is not built yet stays empty (its sequence then skips it): the net backup manager and the
// update check.

#include "app/app_hooks.h"
#include "app/event_log.h"
#include "data/archive/worker_wait.h"
#include "data/clock.h"

namespace orvanta {

// clock, log and process_events must outlive the hooks. process_events is what the
// user-interface thread does while it waits for the automatic backup and the retention cleaner
// and between the steps of the rebuild after definitions change (the desktop program passes its
// "process pending events"; empty = just wait).
AppHooks ProgramHooks(const Clock& clock, EventLog& log, const ProcessEvents& process_events = {});

}  // namespace orvanta
