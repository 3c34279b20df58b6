#pragma once

#include "app/app_hooks.h"
#include "app/event_log.h"

namespace orvanta::gui {

// The steps of the main screen's sequences that this build has. log must outlive the hooks.
AppHooks DesktopHooks(EventLog& log);

}  // namespace orvanta::gui
