#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "data/clock.h"

namespace orvanta::log {

struct LogOptions {
  std::string software_name;     // the program file's name without ".exe"; names the log file
  std::string software_version;  // major.minor.release.build
  // Holds software_name + ".txt", its ".LoggerErr" and "ErrorLogWriter.txt".
  std::filesystem::path log_folder;
  // Holds "LogSenderError.txt"; the data root.
  std::filesystem::path sender_error_folder;
  std::uint64_t max_file_size = 200ull * 1024 * 1024;
  // Null: the machine's local time.
  std::shared_ptr<const Clock> clock;

  // Pauses of the start and stop sequence. They give the threads time to come up and to drain;
  // the queues make none of them necessary for correctness, so tests set them to zero.
  std::chrono::milliseconds start_pause{100};        // before the start lines
  std::chrono::milliseconds stop_pause{100};         // after the stop lines
  std::chrono::milliseconds sender_stop_wait{100};   // after asking the sender to stop
  std::chrono::milliseconds writer_start_wait{200};  // after creating a writer
};

}  // namespace orvanta::log
