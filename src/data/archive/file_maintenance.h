#pragma once

// The file maintenance screen's operations ("DOSYA BAKIMI"): repairing dangling references,
// clearing whole groups of assignments, erasing the set. Each choice is followed by save all.

#include "data/archive/worker_wait.h"
#include "data/program_set_io.h"
#include "data/school_data.h"

namespace orvanta {

enum class MaintenanceChoice {
  kFull,                // "Dosya Bakımlarını Yap"
  kClassLessons,        // "Sınıflarda Okutulan Dersleri Sil"
  kRoomAssignments,     // "Dersliklere Ders Atamalarını Sil"
  kTeacherAssignments,  // "Öğretmen Ders Atamalarını Sil"
  kElectives,           // "Seçmeli Dersleri Sil"
  kEraseAll,            // "Bütün Dosyaları Sil"
};

// The caption of a choice on the maintenance screen.
const char* MaintenanceCaption(MaintenanceChoice choice);

// Full file maintenance:
// 1. class lessons whose lesson does not exist are deleted (from the list only; the rebuild
//    clears their hours from the grids);
// 2. each class lesson keeps only the classes that exist, in order (one left: use_cn off and
//    cn_name empty); class lessons left without a class are deleted;
// 3. and 4. each keeps only the teachers and the rooms that exist, each once, in order;
// 5. the rebuild after definitions change;
// 6. each teacher's LTP and PUT are counted from its grid;
// 7. save all, with backup_step.
// Throws IoError from the save; the lists are then repaired in memory.
void FullFileMaintenance(SchoolData& data, const SaveStep& backup_step = {},
                         const ProcessEvents& process_events = {});

// SetMaintenance: the chosen operation, then save all with backup_step. Throws IoError.
void SetMaintenance(SchoolData& data, MaintenanceChoice choice, const SaveStep& backup_step = {},
                    const ProcessEvents& process_events = {});

}  // namespace orvanta
