#pragma once

// The program's one activity log. Call Start before the first screen is created and Stop after
// the last one is destroyed; Write may be called from any thread at any time, and does nothing
// outside that span. None of these throws.
//
//   orvanta::log::Start(orvanta::log::ProgramLogOptions(paths.data_root));
//   orvanta::log::Write("TMainForm", "FormActivate", "Start");
//   orvanta::log::Stop();

#include <string_view>

#include "log/log_options.h"

namespace orvanta::log {

// Starts the program's log; every call after the first that succeeded does nothing.
void Start(LogOptions options);

// Logs text_utf8 with the source unit "." method (a class or unit and its method or event).
void Write(std::string_view unit, std::string_view method, std::string_view text_utf8);

// Logs the stop lines and waits until every line has been written; later calls do nothing.
void Stop();

}  // namespace orvanta::log
