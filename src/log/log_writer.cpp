#include "log/log_writer.h"

#include <exception>
#include <string>
#include <system_error>

#include "log/error_log_file.h"
#include "log/log_time_text.h"
#include "log/utf8_path.h"

namespace orvanta::log {

LogWriter::LogWriter(std::filesystem::path log_file, std::uint64_t max_file_size,
                     std::shared_ptr<const Clock> clock)
    : log_file_(std::move(log_file)),
      error_file_(log_file_.parent_path() / kWriterErrorFileName),
      max_file_size_(max_file_size),
      clock_(std::move(clock)),
      ended_future_(ended_.get_future().share()),
      thread_([this] { Run(); }) {}

LogWriter::~LogWriter() {
  if (thread_.joinable()) {
    Post(LogMessage::Stop());
    thread_.join();
  }
}

bool LogWriter::WaitEnded(std::chrono::milliseconds timeout) const {
  return ended_future_.wait_for(timeout) == std::future_status::ready;
}

void LogWriter::Join() {
  if (thread_.joinable()) thread_.join();
}

void LogWriter::Run() {
  OpenLogFile();
  for (;;) {
    try {
      const LogMessage message = queue_.Wait();
      if (message.id == LogMessageId::kStop) break;
      if (message.record) Write(*message.record);
    } catch (const std::exception& e) {
      ReportError(kDoWork, e.what());
    } catch (...) {
      ReportError(kDoWork, "unknown error");
    }
  }
  queue_.Close();
  file_.Close();
  ended_.set_value();
}

void LogWriter::OpenLogFile() {
  if (const int error = file_.Open(log_file_)) {
    ReportError(kCreateLogFileHandle, std::to_string(error));
  }
}

void LogWriter::Write(const LogRecord& record) {
  if (const int error = file_.Append(record.log_line)) {
    ReportError(kFileWrite, std::to_string(error));
  }
  RotateWhenFull();
}

void LogWriter::RotateWhenFull() {
  if (!file_.IsOpen() || file_.Size() < max_file_size_) return;
  std::filesystem::path moved =
      log_file_.parent_path() / PathFromUtf8(RotationStamp(clock_->Now()) + "_");
  moved += log_file_.filename();
  file_.Close();
  // Renaming replaces an existing target on every platform; a second move within the same second
  // would destroy the file moved aside first, so that case keeps the log under its own name until
  // the next write.
  std::error_code error;
  if (std::filesystem::exists(moved, error)) {
    error = std::make_error_code(std::errc::file_exists);
  } else {
    std::filesystem::rename(log_file_, moved, error);
  }
  if (error) ReportError(kRenameLogFile, std::to_string(error.value()));
  OpenLogFile();
}

void LogWriter::ReportError(std::string_view source, std::string_view error) const noexcept {
  try {
    AppendErrorLine(error_file_, clock_->Now(), source, PathToUtf8(log_file_), error);
  } catch (...) {
  }
}

}  // namespace orvanta::log
