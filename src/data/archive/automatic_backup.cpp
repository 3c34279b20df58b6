#include "data/archive/automatic_backup.h"

#include <chrono>
#include <exception>
#include <thread>

#include "data/archive/archive_folder.h"
#include "data/archive/archive_name.h"
#include "data/archive/local_time_arithmetic.h"
#include "data/archive/make_archive.h"
#include "data/io_error.h"
#include "data/paths.h"
#include "log/log.h"

namespace orvanta {
namespace {

constexpr auto kBusyPoll = std::chrono::milliseconds(20);

// Two backups within one millisecond (or a clock set back) must not overwrite an archive: the
// name moves on by a millisecond until it is free, so names still sort by time.
std::filesystem::path FreeArchivePath(const std::filesystem::path& folder, LocalDateTime now) {
  std::filesystem::path path = folder / AutomaticArchiveName(now);
  std::error_code ignored;
  while (std::filesystem::exists(path, ignored)) {
    now = FromMillisecondNumber(MillisecondNumber(now) + 1);
    path = folder / AutomaticArchiveName(now);
  }
  return path;
}

AutomaticBackupResult BackUp(const std::filesystem::path& set_folder, const LocalDateTime& now) {
  AutomaticBackupResult result;
  try {
    const std::filesystem::path folder = BackupFolder(set_folder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
      throw IoError(
          "Yedek klasörü oluşturulamadı: " + PathText(folder) + " (" + error.message() + ")",
          folder);
    }
    const std::optional<std::filesystem::path> newest = NewestFile(folder);
    result.archive = FreeArchivePath(folder, now);
    MakeArchive(set_folder, result.archive);
    result.outcome = AutomaticBackupResult::Outcome::kWritten;
    if (newest && FilesIdentical(*newest, result.archive)) {
      std::filesystem::remove(result.archive, error);
      if (error) {
        throw IoError(
            "Yedek silinemedi: " + PathText(result.archive) + " (" + error.message() + ")",
            result.archive);
      }
      result.outcome = AutomaticBackupResult::Outcome::kUnchanged;
    }
  } catch (const std::exception& failure) {
    result.outcome = AutomaticBackupResult::Outcome::kFailed;
    result.error = failure.what();
  }
  return result;
}

}  // namespace

AutomaticBackupResult AutomaticBackup::Run(const std::filesystem::path& set_folder) {
  while (busy_.exchange(true)) {
    if (process_events_) process_events_();
    std::this_thread::sleep_for(kBusyPoll);
  }
  const LocalDateTime now = clock_.Now();
  // Copied: an event handled during the wait may change the open set's paths.
  const std::filesystem::path folder = set_folder;
  AutomaticBackupResult result;
  try {
    RunOnWorker(
        [&] {
          result = BackUp(folder, now);
          // Cleared by the worker itself: a backup waiting in an event handler of this thread
          // must be able to start before this call's wait loop gets control back.
          busy_ = false;
        },
        process_events_);
  } catch (const std::exception& failure) {  // the thread could not be started
    busy_ = false;
    result.outcome = AutomaticBackupResult::Outcome::kFailed;
    result.error = failure.what();
  }
  if (result.outcome == AutomaticBackupResult::Outcome::kFailed) {
    log::Write("IOFiles", "oto_backup", result.error);
  }
  return result;
}

}  // namespace orvanta
