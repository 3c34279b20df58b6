#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>

#include "log/log_options.h"
#include "log/log_sender.h"

namespace orvanta::log {

// The activity log of one program run. Any thread may log; the caller only composes a line and
// posts it, so logging never waits for the disk, and nothing here throws to a caller.
//
//   LogManager log;
//   log.Start(options);          // once, before the first screen
//   log.Log("TMainForm", "FormActivate", "Start");
//   log.Stop();                  // after the last screen; the destructor does it too
//
// Lines logged before Start or after Stop are dropped.
class LogManager {
 public:
  LogManager() = default;
  LogManager(const LogManager&) = delete;
  LogManager& operator=(const LogManager&) = delete;
  ~LogManager() { Stop(); }

  // Starts the threads and, after options.start_pause, logs the four start lines. Every call
  // after the first that succeeded does nothing.
  void Start(LogOptions options) noexcept;

  // Logs text (UTF-8) with the source unit "." method.
  void Log(std::string_view unit, std::string_view method, std::string_view text) noexcept;

  // Logs the four stop lines, then, after options.stop_pause, stops the threads once every line
  // logged before has been written. Later calls do nothing.
  void Stop() noexcept;

 private:
  enum class State { kNotStarted, kRunning, kStopping, kStopped };

  bool Accepting() const;
  void WriteToLogFile(std::string_view source, std::string_view text) noexcept;
  void Send(std::unique_ptr<LogRecord> record);

  // Written by Start before the state turns to kRunning, then only read.
  LogOptions options_;
  std::filesystem::path log_file_;
  std::filesystem::path compose_error_file_;

  std::atomic<State> state_{State::kNotStarted};
  std::mutex mutex_;  // guards the state changes and sender_ while lines are accepted
  std::unique_ptr<LogSender> sender_;
};

}  // namespace orvanta::log
