#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <thread>

#include "data/clock.h"
#include "log/log_file.h"
#include "log/log_message.h"
#include "log/message_queue.h"

namespace orvanta::log {

// The thread that owns one log file. It writes each record's line unchanged at the end of the
// file and, once the file has reached max_file_size bytes, moves it aside as
// "yymmdd_hhnnss_" + its name and starts a new one. Its problems go, as error lines, to
// "ErrorLogWriter.txt" in the log file's folder; none reaches the thread that posted.
class LogWriter {
 public:
  // Starts the thread, which opens (or creates) the log file. clock must not be null.
  LogWriter(std::filesystem::path log_file, std::uint64_t max_file_size,
            std::shared_ptr<const Clock> clock);
  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;
  // Asks the thread to stop after the records already posted and waits for it.
  ~LogWriter();

  // Any thread. Record messages are written in the order posted; a stop message ends the thread
  // once the messages before it are done. Returns false, dropping the message, when the thread
  // has ended.
  bool Post(LogMessage message) { return queue_.Post(std::move(message)); }

  // True when the thread has ended within timeout.
  bool WaitEnded(std::chrono::milliseconds timeout) const;

  // Waits for the thread to end; it ends only after a stop message.
  void Join();

 private:
  void Run();
  void OpenLogFile();
  void Write(const LogRecord& record);
  void RotateWhenFull();
  void ReportError(std::string_view source, std::string_view error) const noexcept;

  const std::filesystem::path log_file_;
  const std::filesystem::path error_file_;
  const std::uint64_t max_file_size_;
  const std::shared_ptr<const Clock> clock_;
  LogFile file_;
  MessageQueue<LogMessage> queue_;
  std::promise<void> ended_;
  std::shared_future<void> ended_future_;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace orvanta::log
