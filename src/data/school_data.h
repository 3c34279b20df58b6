#pragma once

// The shared state of the open program set: paths, the option, global and pay settings records,
// and the seven record lists. Every screen and operation works on one SchoolData; nothing else
// holds records.

#include <filesystem>

#include "data/archive/pay_settings.h"
#include "data/paths.h"
#include "data/record_list.h"
#include "data/records.h"

namespace orvanta {

struct SchoolData {
  explicit SchoolData(std::filesystem::path drive_root) : paths(std::move(drive_root)) {}

  DataPaths paths;
  std::filesystem::path set_folder;  // folder of the open program set
  int open_set_no = 1;
  int school_year = 0;  // of the date the set was opened; names the pay settings folder

  OptionType option{};
  GlobalType global{};
  PaySettings pay_settings{};

  int days_in_use = 5;  // copy of option byte 0, taken when the set is opened
  int hour_rows = 12;   // hour rows the timetable screens show

  RecordList<ProgType> progs;
  RecordList<LessonType> lessons;
  RecordList<ClssType> classes;
  RecordList<RoomType> rooms;
  RecordList<TeacherType> teachers;
  RecordList<CommonType> commons;
  RecordList<DutyType> duties;

  bool save_in_progress = false;

  std::filesystem::path PaySettingsFile() const {
    return paths.PayFolder(school_year) / "option.ts2";
  }
};

}  // namespace orvanta
