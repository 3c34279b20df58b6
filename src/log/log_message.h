#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace orvanta::log {

// One line on its way to a log file.
struct LogRecord {
  std::string log_file_type;  // selects the writer: the software name
  std::filesystem::path log_file_name;
  std::string log_line;  // the complete line with its CR LF, already UTF-16LE bytes
};

// The numbers are those of the thread messages the log threads have always exchanged.
enum class LogMessageId : int {
  kStop = 1975,
  kRecord = 1976,
};

// A record message owns its record; ownership passes with the message.
struct LogMessage {
  LogMessageId id = LogMessageId::kStop;
  std::unique_ptr<LogRecord> record;

  static LogMessage Record(std::unique_ptr<LogRecord> record) {
    return {LogMessageId::kRecord, std::move(record)};
  }
  static LogMessage Stop() { return {LogMessageId::kStop, nullptr}; }
};

}  // namespace orvanta::log
