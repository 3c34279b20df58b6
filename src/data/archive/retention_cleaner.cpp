#include "data/archive/retention_cleaner.h"

#include <map>
#include <string>

#include "data/archive/local_time_arithmetic.h"
#include "data/io_error.h"
#include "log/log.h"

namespace orvanta {
namespace {

constexpr int kYoungestCleanedDay = 7;
constexpr int kOldestCleanedDay = 365;
constexpr int64_t kLastMillisecondOfWindow = (23 * 3600 + 59 * 60 + 59) * int64_t{1000};

int64_t MillisecondOfDay(const LocalDateTime& t) {
  return MillisecondNumber(t) - MillisecondNumber({t.year, t.month, t.day, 0, 0, 0, 0});
}

}  // namespace

std::vector<std::filesystem::path> ArchivesToDelete(const std::vector<ArchiveFile>& archives,
                                                    const LocalDateTime& today) {
  const int64_t today_number = DayNumber(today);
  std::map<int64_t, const ArchiveFile*> kept_per_day;
  std::vector<std::filesystem::path> marked;
  for (const ArchiveFile& archive : archives) {
    const int64_t age = today_number - DayNumber(archive.modified);
    const int64_t millisecond = MillisecondOfDay(archive.modified);
    if (age < kYoungestCleanedDay || age > kOldestCleanedDay) continue;
    if (millisecond <= 0 || millisecond >= kLastMillisecondOfWindow) continue;
    const ArchiveFile*& kept = kept_per_day[age];
    if (kept == nullptr) {
      kept = &archive;
    } else if (kept->name < archive.name) {
      marked.push_back(kept->path);
      kept = &archive;
    } else {
      marked.push_back(archive.path);
    }
  }
  return marked;
}

std::vector<std::filesystem::path> CleanOldArchives(const std::filesystem::path& backup_folder,
                                                    const Clock& clock,
                                                    const ProcessEvents& process_events) {
  const LocalDateTime today = clock.Now();
  std::vector<std::filesystem::path> deleted;
  std::vector<std::string> errors;
  auto clean = [&] {
    for (const std::filesystem::path& file : ArchivesToDelete(ListArchives(backup_folder), today)) {
      std::error_code error;
      if (std::filesystem::remove(file, error)) {
        deleted.push_back(file);
      } else if (error) {
        errors.push_back("Yedek silinemedi: " + PathText(file) + " (" + error.message() + ")");
      }
    }
  };
  try {
    RunOnWorker(clean, process_events);
  } catch (const std::exception& failure) {
    errors.push_back(failure.what());
  }
  for (const std::string& error : errors) {
    log::Write("Functions", "DeleteOldLatestFileThread", error);
  }
  return deleted;
}

}  // namespace orvanta
