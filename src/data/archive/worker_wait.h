#pragma once

// File work that runs on a worker thread while the calling (user-interface) thread keeps
// handling its events, as the desktop program does for backups.

#include <functional>

namespace orvanta {

// Called on the waiting thread, again and again, until the work has finished: the desktop
// program passes its "process pending events"; empty = just wait.
using ProcessEvents = std::function<void()>;

// Runs work on a new thread and returns when it has finished, calling process_events at least
// once and then every few milliseconds until then. An exception thrown by work is thrown again
// here.
void RunOnWorker(const std::function<void()>& work, const ProcessEvents& process_events);

}  // namespace orvanta
