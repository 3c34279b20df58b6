#pragma once

// Thinning out the automatic archives of a backup folder: of the archives of each day from 7 to
// 365 days before today, only the one with the greatest file name stays. Today's archives and
// those of the last six days, archives older than 365 days and archives whose time falls exactly
// on 00:00:00 or 23:59:59 are never touched (the day windows are open at both ends).

#include <filesystem>
#include <vector>

#include "data/archive/archive_folder.h"
#include "data/archive/worker_wait.h"
#include "data/clock.h"

namespace orvanta {

// The archives the cleaner deletes, given the folder's archives and today's date (the time of
// day of today is not used). File names are compared as case-sensitive strings.
std::vector<std::filesystem::path> ArchivesToDelete(const std::vector<ArchiveFile>& archives,
                                                    const LocalDateTime& today);

// Lists backup_folder's "*.zip" files and deletes ArchivesToDelete on a worker thread, calling
// process_events meanwhile. Never throws: errors are logged as ("Functions",
// "DeleteOldLatestFileThread", message). Returns the files deleted.
std::vector<std::filesystem::path> CleanOldArchives(const std::filesystem::path& backup_folder,
                                                    const Clock& clock,
                                                    const ProcessEvents& process_events = {});

}  // namespace orvanta
