#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "log/log_message.h"
#include "log/log_options.h"
#include "log/log_writer.h"
#include "log/message_queue.h"

namespace orvanta::log {

// The thread between the loggers and the writers: it hands each record to the writer of its
// log_file_type, creating that writer on the first record. On a stop message it stops every
// writer, each after the records already handed to it, and ends. Its problems go, as error
// lines, to "LogSenderError.txt" in the sender error folder.
class LogSender {
 public:
  // Starts the thread. options.clock must not be null.
  explicit LogSender(const LogOptions& options);
  LogSender(const LogSender&) = delete;
  LogSender& operator=(const LogSender&) = delete;
  // Asks the thread to stop after the messages already posted and waits for it.
  ~LogSender();

  // Any thread. Returns false, dropping the message, once the thread has ended.
  bool Post(LogMessage message) { return queue_.Post(std::move(message)); }

  // Waits for the thread to end; it ends only after a stop message.
  void Join();

 private:
  void Run();
  void Deliver(std::unique_ptr<LogRecord> record);
  LogWriter& WriterFor(const LogRecord& record);
  void StopWriters();
  void ReportError(std::string_view file_type, std::string_view error) const noexcept;

  const std::filesystem::path error_file_;
  const std::uint64_t max_file_size_;
  const std::shared_ptr<const Clock> clock_;
  const std::chrono::milliseconds writer_start_wait_;
  // Touched by the sender thread only.
  std::vector<std::pair<std::string, std::unique_ptr<LogWriter>>> writers_;
  LogWriter* last_writer_ = nullptr;
  MessageQueue<LogMessage> queue_;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace orvanta::log
