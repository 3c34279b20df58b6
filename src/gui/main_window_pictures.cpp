#include "gui/main_window_pictures.h"

#include <utility>

namespace orvanta::gui {

QString PictureOf(std::string_view component) {
  static constexpr std::pair<std::string_view, const char*> kPictures[] = {
      {"ProgBtn", "programs"},
      {"ProgCopyBtn", "program_copy"},
      {"MaintenanceBtn", "maintenance"},
      {"OptionBtn", "settings"},
      {"TransBtn", "convert"},
      {"NetBtn", "net_backup"},
      {"ExitBtn", "exit"},
      {"imgLesson", "lessons"},
      {"imgClss", "classes"},
      {"imgRoom", "rooms"},
      {"imgTeacher", "teachers"},
      {"imgDLC", "daily_counts"},
      {"imgClLe", "class_lessons"},
      {"imgTeLe", "teacher_assignment"},
      {"imgTeDis", "teacher_timetable"},
      {"imgClDis", "class_timetable"},
      {"imgReDis", "room_timetable"},
      {"imgBackup", "backup"},
      {"imgDump", "new_table"},
      {"imgTeDu", "duty_roster"},
      {"imgAdditionalCourses", "pay"},
      {"imgInformation", "information_board"},
  };
  for (const auto& [name, picture] : kPictures) {
    if (name == component) return QString(":/pictures/%1.svg").arg(picture);
  }
  return ":/pictures/orvanta.svg";
}

}  // namespace orvanta::gui
