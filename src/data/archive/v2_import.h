#pragma once

// The import of the previous generation's data ("v2") into an empty program set: from an old
// archive the user chose, or from the old default data folder. The old records become records of
// this generation through the list operations, the old timetable is placed again where it still
// fits, closed hours and out-of-lesson activities come back, and full file maintenance ends it.

#include <filesystem>
#include <string>
#include <vector>

#include "data/archive/worker_wait.h"
#include "data/program_set_io.h"
#include "data/school_data.h"

namespace orvanta {

struct ImportReport {
  // Turkish lines: files not found, records skipped or repaired, old hours not placed.
  std::vector<std::string> notes;
};

// True while the lesson, class, teacher and room lists are all empty: the only time an import
// is offered.
bool IsEmptyForImport(const SchoolData& data);

// The previous generation's default data folder, "\quillen\orvanta\program1\" on the drive
// (each name matched without regard to case).
std::filesystem::path DefaultOldDataFolder(const DataPaths& paths);

// The conversion of the old files in folder:
//  1.-6. lessons, out-of-lesson activities (define kind 5), classes, rooms, teachers and class
//        lessons are made from the old records (the lists of the kinds whose file was read are
//        emptied first); references to records that do not exist are left out and reported;
//  7. save all, RecountAll;
//  8. every old class timetable hour is placed where CanPlaceHour allows;
//  9. every old teacher activity code becomes a pay mark (SetMark) of the lesson whose Id is its
//     decimal text;
// 10. old closed hours close the teacher's and the class's slots;
// 11. the duty places are emptied, save all, full file maintenance.
// A file that is missing or unreadable skips its step. An exception in steps 1-6 is thrown again
// after steps 7-11 have run. Every save all ends with backup_step. REQUIRES:
// IsEmptyForImport(data). Throws IoError from the saves.
ImportReport ImportV2(SchoolData& data, const std::filesystem::path& folder,
                      const SaveStep& backup_step = {}, const ProcessEvents& process_events = {});

// "Çevir" with a file name: the old archive is unpacked into the open set's folder (its thirteen
// files; nothing else of the set is touched, and nothing at all when the archive is damaged:
// DamagedArchiveError is then thrown before any list changes), then ImportV2 from that folder.
ImportReport ImportV2Archive(SchoolData& data, const std::filesystem::path& archive,
                             const SaveStep& backup_step = {},
                             const ProcessEvents& process_events = {});

}  // namespace orvanta
