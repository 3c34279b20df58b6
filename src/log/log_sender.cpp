#include "log/log_sender.h"

#include <exception>

#include "log/error_log_file.h"

namespace orvanta::log {
namespace {

// After an error the loop waits a little so that a persistent fault cannot flood the error file.
constexpr std::chrono::milliseconds kErrorPause{100};

// A writer gets this many stop requests, each followed by this long a wait, before the sender
// simply waits for it.
constexpr int kStopRequests = 21;
constexpr std::chrono::milliseconds kStopRequestWait{10};

}  // namespace

LogSender::LogSender(const LogOptions& options)
    : error_file_(options.sender_error_folder / kSenderErrorFileName),
      max_file_size_(options.max_file_size),
      clock_(options.clock),
      writer_start_wait_(options.writer_start_wait),
      thread_([this] { Run(); }) {}

LogSender::~LogSender() {
  if (thread_.joinable()) {
    Post(LogMessage::Stop());
    thread_.join();
  }
}

void LogSender::Join() {
  if (thread_.joinable()) thread_.join();
}

void LogSender::Run() {
  for (;;) {
    std::string file_type;
    try {
      LogMessage message = queue_.Wait();
      if (message.id == LogMessageId::kStop) {
        if (last_writer_ != nullptr) last_writer_->Post(LogMessage::Stop());
        break;
      }
      if (message.record) {
        file_type = message.record->log_file_type;
        Deliver(std::move(message.record));
      }
    } catch (const std::exception& e) {
      ReportError(file_type, e.what());
      std::this_thread::sleep_for(kErrorPause);
    } catch (...) {
      ReportError(file_type, "unknown error");
      std::this_thread::sleep_for(kErrorPause);
    }
  }
  queue_.Close();
  StopWriters();
}

void LogSender::Deliver(std::unique_ptr<LogRecord> record) {
  LogWriter& writer = WriterFor(*record);
  last_writer_ = &writer;
  // A record the writer refuses is freed with its message.
  writer.Post(LogMessage::Record(std::move(record)));
}

LogWriter& LogSender::WriterFor(const LogRecord& record) {
  for (auto& [file_type, writer] : writers_) {
    if (file_type == record.log_file_type) return *writer;
  }
  auto writer = std::make_unique<LogWriter>(record.log_file_name, max_file_size_, clock_);
  writers_.emplace_back(record.log_file_type, std::move(writer));
  std::this_thread::sleep_for(writer_start_wait_);
  return *writers_.back().second;
}

void LogSender::StopWriters() {
  for (auto& [file_type, writer] : writers_) {
    for (int i = 0; i < kStopRequests; ++i) {
      writer->Post(LogMessage::Stop());
      if (writer->WaitEnded(kStopRequestWait)) break;
    }
    writer->Join();
  }
  writers_.clear();
  last_writer_ = nullptr;
}

void LogSender::ReportError(std::string_view file_type, std::string_view error) const noexcept {
  try {
    AppendErrorLine(error_file_, clock_->Now(), kDoWork, file_type, error);
  } catch (...) {
  }
}

}  // namespace orvanta::log
