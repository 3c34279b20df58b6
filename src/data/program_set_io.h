#pragma once

// Opening and saving a whole program set, and the option and global records.

#include <functional>

#include "data/clock.h"
#include "data/school_data.h"

namespace orvanta {

// The file names of a program set, in the order they are saved.
inline constexpr const char* kProgFile = "prog.prg";
inline constexpr const char* kLessonFile = "lesson.prg";
inline constexpr const char* kClassFile = "clss.prg";
inline constexpr const char* kRoomFile = "room.prg";
inline constexpr const char* kTeacherFile = "teacher.prg";
inline constexpr const char* kCommonFile = "common.prg";
inline constexpr const char* kDutyFile = "duty.prg";
inline constexpr const char* kOptionFile = "option.prg";
inline constexpr const char* kGlobalFile = "global.prg";
inline constexpr const char* kFirstSetName = "HAFTALIK DERS PROGRAMI";

// The opening sequence: loads the program-set list (creating the first set on an empty
// installation), finds the open set, creates its folders, reads the option record, every record
// list, the pay settings of the school year and the global record. Missing files are created.
// Throws IoError or DamagedFileError; the lists, records and paths of data are then unchanged
// (files and folders already created stay).
void OpenProgramSet(SchoolData& data, const Clock& clock);

// The last step of the saving sequence: the automatic backup of the saved set
// (AutomaticBackup::Step in data/archive/automatic_backup.h). It runs while the save flag is
// still set, so a save started from an event handled during the backup returns at once.
using SaveStep = std::function<void(SchoolData&)>;

// The saving sequence: option record, prog.prg, the six lists, global record, then backup_step
// when one is given. Returns at once when a save is already in progress. Throws IoError; files
// already written stay written.
void SaveAll(SchoolData& data, const SaveStep& backup_step = {});

void ReadOptionRecord(SchoolData& data);
void WriteOptionRecord(const SchoolData& data);
void ReadGlobalRecord(SchoolData& data);
void WriteGlobalRecord(const SchoolData& data);
void SaveProgList(const SchoolData& data);

// The folder of the open set: that of the first set with Current = 1, else that of set 1.
std::filesystem::path CurrentSetFolder(const DataPaths& paths, const RecordList<ProgType>& sets);

// A record file of the open set, matched without regard to case.
std::filesystem::path SetFile(const SchoolData& data, const char* name);

}  // namespace orvanta
