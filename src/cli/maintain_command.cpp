#include <iostream>
#include <map>

#include "cli/commands.h"
#include "data/archive/automatic_backup.h"
#include "data/archive/file_maintenance.h"

namespace orvanta::cli {

void AddMaintainCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "maintain", "Dosya bakımı: seçilen işlemi yapar, sonra bütün dosyaları kaydeder");
  static std::string choice_name;
  choice_name.clear();
  static const std::map<std::string, MaintenanceChoice> choices = {
      {"full", MaintenanceChoice::kFull},
      {"class-lessons", MaintenanceChoice::kClassLessons},
      {"room-assignments", MaintenanceChoice::kRoomAssignments},
      {"teacher-assignments", MaintenanceChoice::kTeacherAssignments},
      {"electives", MaintenanceChoice::kElectives},
      {"erase", MaintenanceChoice::kEraseAll}};
  command
      ->add_option("CHOICE", choice_name,
                   "full | class-lessons | room-assignments | teacher-assignments | electives | "
                   "erase")
      ->required()
      ->check(CLI::IsMember(choices));
  command->callback([&context] {
    const MaintenanceChoice choice = choices.at(choice_name);
    SchoolData& data = context.Data();
    AutomaticBackup backup(context.clock());
    SetMaintenance(data, choice, backup.Step());
    std::cout << MaintenanceCaption(choice) << ": tamamlandı.\n";
  });
}

}  // namespace orvanta::cli
