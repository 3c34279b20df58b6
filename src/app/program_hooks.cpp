#include "app/program_hooks.h"

#include <memory>
#include <string>

#include "data/archive/automatic_backup.h"
#include "data/archive/pay_initialisation.h"
#include "data/archive/rebuild.h"
#include "data/archive/retention_cleaner.h"
#include "engine/fixed_positions.h"
#include "engine/pay_marks.h"

namespace orvanta {

AppHooks ProgramHooks(const Clock& clock, EventLog& log, const ProcessEvents& process_events) {
  AppHooks hooks;
  hooks.initialise_pay = [&clock](SchoolData& data) { InitialiseTeacherPay(data, clock); };
  hooks.place_fixed_positions = [&log](SchoolData& data) {
    for (const SkippedHour& skipped : PlaceFixedPositions(data)) {
      log.Write("TMainForm", "FormActivate",
                "Fixed position not placed: class lesson " + std::to_string(skipped.common_no) +
                    ", day " + std::to_string(skipped.day) + ", hour " +
                    std::to_string(skipped.hour));
    }
  };
  hooks.set_pay_marks = [](SchoolData& data) { SetPayMarks(data); };
  hooks.clear_pay_marks = [](SchoolData& data) { ClearPayMarks(data); };
  hooks.rebuild_after_definitions_change = [process_events](SchoolData& data) {
    RebuildAfterDefinitionsChange(data, process_events);
  };
  // One backup object for the whole program: its busy flag is what keeps two automatic backups
  // apart, so every copy of the hook must share it.
  auto backup = std::make_shared<AutomaticBackup>(clock, process_events);
  hooks.automatic_backup = [backup](SchoolData& data) { backup->Run(data.set_folder); };
  hooks.clean_old_backups = [&clock, process_events](const std::filesystem::path& folder) {
    CleanOldArchives(folder, clock, process_events);
  };
  return hooks;
}

}  // namespace orvanta
