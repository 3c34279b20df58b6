#include "log/log_manager.h"

#include <string>
#include <thread>

#include "log/error_log_file.h"
#include "log/log_line.h"
#include "log/platform_thread_id.h"
#include "log/utf16le_text.h"
#include "log/utf8_path.h"

namespace orvanta::log {
namespace {

constexpr int kBannerLines = 4;
constexpr std::string_view kStartUnit = "++++++++++++++++++++";
constexpr std::string_view kStartMethod = "+++++++Start++++++++";
constexpr std::string_view kStartText = "++++++++++++++++++++";
constexpr std::string_view kStopUnit = "--------------------";
constexpr std::string_view kStopMethod = "-------Stop---------";
constexpr std::string_view kStopText = "--------------------";

}  // namespace

void LogManager::Start(LogOptions options) noexcept {
  try {
    {
      std::lock_guard lock(mutex_);
      if (state_ != State::kNotStarted) return;
      if (!options.clock) options.clock = std::make_shared<SystemClock>();
      options_ = std::move(options);
      log_file_ = options_.log_folder / PathFromUtf8(options_.software_name + ".txt");
      compose_error_file_ =
          options_.log_folder / PathFromUtf8(options_.software_name + ".LoggerErr");
      sender_ = std::make_unique<LogSender>(options_);
      state_ = State::kRunning;
    }
    std::this_thread::sleep_for(options_.start_pause);
    for (int i = 0; i < kBannerLines; ++i) Log(kStartUnit, kStartMethod, kStartText);
  } catch (...) {
    // Without its threads the program runs unlogged; there is no file to tell yet.
  }
}

void LogManager::Log(std::string_view unit, std::string_view method,
                     std::string_view text) noexcept {
  if (!Accepting()) return;
  try {
    std::string source;
    source.reserve(unit.size() + 1 + method.size());
    source.append(unit).append(".").append(method);
    WriteToLogFile(source, text);
  } catch (...) {
  }
}

void LogManager::Stop() noexcept {
  {
    std::lock_guard lock(mutex_);
    if (state_ != State::kRunning) return;
    state_ = State::kStopping;
  }
  for (int i = 0; i < kBannerLines; ++i) Log(kStopUnit, kStopMethod, kStopText);
  try {
    std::this_thread::sleep_for(options_.stop_pause);
    {
      std::lock_guard lock(mutex_);
      state_ = State::kStopped;
    }
    // From here on no caller touches sender_.
    sender_->Post(LogMessage::Stop());
    std::this_thread::sleep_for(options_.sender_stop_wait);
    sender_->Join();
    sender_.reset();
  } catch (...) {
  }
}

bool LogManager::Accepting() const {
  const State state = state_.load();
  return state == State::kRunning || state == State::kStopping;
}

void LogManager::WriteToLogFile(std::string_view source, std::string_view text) noexcept {
  std::string line;
  try {
    ComposeLogLine(
        {options_.software_name, options_.software_version, CurrentThreadId(), source, text},
        *options_.clock, line);
    auto record = std::make_unique<LogRecord>();
    record->log_file_type = options_.software_name;
    record->log_file_name = log_file_;
    record->log_line = Utf8ToUtf16Le(line);
    Send(std::move(record));
  } catch (...) {
    try {
      ReplaceFileContent(compose_error_file_, Utf8ToUtf16Le(line));
    } catch (...) {
    }
  }
}

void LogManager::Send(std::unique_ptr<LogRecord> record) {
  std::lock_guard lock(mutex_);
  // A line that lost the race with Stop is dropped like any line after it.
  if (Accepting()) sender_->Post(LogMessage::Record(std::move(record)));
}

}  // namespace orvanta::log
