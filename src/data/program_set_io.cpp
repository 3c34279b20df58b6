#include "data/program_set_io.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "data/archive/pay_settings_file.h"
#include "data/file_access.h"
#include "data/list_operations.h"
#include "data/record_file.h"

namespace orvanta {
namespace {

std::filesystem::path GlobalFile(const DataPaths& paths) {
  return ResolveFileName(paths.maker_folder, kGlobalFile);
}

std::filesystem::path ProgFile(const DataPaths& paths) {
  return ResolveFileName(paths.data_root, kProgFile);
}

void CreateFolders(std::initializer_list<std::filesystem::path> folders) {
  for (const auto& folder : folders) {
    std::error_code ignored;  // a folder that cannot be made shows up when its files are used
    std::filesystem::create_directories(folder, ignored);
  }
}

// Reads the first record of a single-record file. Returns false when the file is missing; a
// file too short for one record is damaged.
template <typename T>
bool ReadFirstRecord(const std::filesystem::path& file, T& record) {
  const std::optional<std::string> bytes = ReadFileIfPresent(file);
  if (!bytes) return false;
  if (bytes->size() < sizeof(T)) {
    throw DamagedFileError("\"" + PathText(file.filename()) + "\" dosyası bozuk: " +
                               std::to_string(bytes->size()) + " bayt, en az " +
                               std::to_string(sizeof(T)) + " olmalı. Dosya değiştirilmedi.",
                           file);
  }
  std::memcpy(&record, bytes->data(), sizeof(T));
  return true;
}

void LoadProgList(SchoolData& data) {
  CreateFolders({data.paths.data_root});
  LoadList(data.progs, ProgFile(data.paths));
  if (!data.progs.Empty()) return;
  ProgType first = SetDefaults(data.progs);
  first.Name.SetText(kFirstSetName);
  first.Current = 1;
  Insert(data, first);
  SaveProgList(data);
  LoadList(data.progs, ProgFile(data.paths));
}

int CurrentSetNo(const SchoolData& data, int remembered) {
  for (const ProgType& set : data.progs) {
    if (set.Current == 1) return set.No;
  }
  return remembered;
}

}  // namespace

std::filesystem::path CurrentSetFolder(const DataPaths& paths, const RecordList<ProgType>& sets) {
  for (const ProgType& set : sets) {
    if (set.Current == 1) return paths.SetFolder(set.No);
  }
  return paths.SetFolder(1);
}

std::filesystem::path SetFile(const SchoolData& data, const char* name) {
  return ResolveFileName(data.set_folder, name);
}

void SaveProgList(const SchoolData& data) { SaveList(data.progs, ProgFile(data.paths)); }

void ReadOptionRecord(SchoolData& data) {
  const std::filesystem::path file = SetFile(data, kOptionFile);
  if (ReadFirstRecord(file, data.option)) return;
  FillDefaults(data.option);
  WriteFileAtomically(file, RecordBytes(data.option));
}

void WriteOptionRecord(const SchoolData& data) {
  OverwriteFileStart(SetFile(data, kOptionFile), RecordBytes(data.option));
}

void ReadGlobalRecord(SchoolData& data) {
  const std::filesystem::path file = GlobalFile(data.paths);
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileIfPresent(file);
  } catch (const IoError&) {
    bytes.reset();
  }
  if (bytes && bytes->size() >= sizeof(GlobalType)) {
    std::memcpy(&data.global, bytes->data(), sizeof(GlobalType));
    return;
  }
  // The installation record holds nothing that cannot be set again: start over with defaults.
  FillDefaults(data.global);
  CreateFolders({data.paths.maker_folder});
  WriteFileAtomically(file, RecordBytes(data.global));
}

void WriteGlobalRecord(const SchoolData& data) {
  OverwriteFileStart(GlobalFile(data.paths), RecordBytes(data.global));
}

void OpenProgramSet(SchoolData& data, const Clock& clock) {
  // Everything is read into a copy first, so that a damaged file leaves the open set as it was
  // and no later save can write an empty list over the damaged file.
  auto staged = std::make_unique<SchoolData>(data.paths.drive_root);
  staged->open_set_no = data.open_set_no;
  LoadProgList(*staged);
  staged->open_set_no = CurrentSetNo(*staged, data.open_set_no);
  staged->set_folder = CurrentSetFolder(staged->paths, staged->progs);
  staged->school_year = SchoolYear(clock.Now());
  CreateFolders({staged->set_folder, BackupFolder(staged->set_folder),
                 BackupScratchFolder(staged->set_folder), staged->paths.work_folder,
                 staged->paths.pay_root, staged->paths.PayFolder(staged->school_year)});

  ReadOptionRecord(*staged);
  staged->days_in_use = std::clamp<int>(staged->option.days_in_use, 1, kDays);
  staged->hour_rows = 12;

  LoadList(staged->lessons, SetFile(*staged, kLessonFile));
  LoadList(staged->classes, SetFile(*staged, kClassFile));
  LoadList(staged->rooms, SetFile(*staged, kRoomFile));
  LoadList(staged->teachers, SetFile(*staged, kTeacherFile));
  LoadList(staged->commons, SetFile(*staged, kCommonFile));
  LoadList(staged->duties, SetFile(*staged, kDutyFile));

  staged->pay_settings = ReadOrCreatePaySettings(staged->PaySettingsFile());
  ReadGlobalRecord(*staged);

  staged->save_in_progress = data.save_in_progress;
  data = std::move(*staged);
}

void SaveAll(SchoolData& data, const SaveStep& backup_step) {
  if (data.save_in_progress) return;
  data.save_in_progress = true;
  struct ClearFlag {
    bool& flag;
    ~ClearFlag() { flag = false; }
  } clear_flag{data.save_in_progress};

  WriteOptionRecord(data);
  SaveProgList(data);
  SaveList(data.lessons, SetFile(data, kLessonFile));
  SaveList(data.classes, SetFile(data, kClassFile));
  SaveList(data.rooms, SetFile(data, kRoomFile));
  SaveList(data.teachers, SetFile(data, kTeacherFile));
  SaveList(data.commons, SetFile(data, kCommonFile));
  SaveList(data.duties, SetFile(data, kDutyFile));
  WriteGlobalRecord(data);
  if (backup_step) backup_step(data);
}

}  // namespace orvanta
