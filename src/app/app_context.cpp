#include "app/app_context.h"

#include "data/program_set_io.h"

namespace orvanta {

bool SetIsOpen(const SchoolData& data) { return !data.set_folder.empty(); }

void AppContext::SaveAll() {
  if (data.save_in_progress || !SetIsOpen(data)) return;
  orvanta::SaveAll(data);
  AutomaticBackup();
}

void AppContext::AutomaticBackup() {
  if (data.save_in_progress || !SetIsOpen(data) || !hooks.automatic_backup) return;
  data.save_in_progress = true;
  struct ClearFlag {
    bool& flag;
    ~ClearFlag() { flag = false; }
  } clear_flag{data.save_in_progress};
  hooks.automatic_backup(data);
}

void AppContext::OpenProgramSet() { orvanta::OpenProgramSet(data, clock); }

ScreenResult AppContext::ShowScreen(ScreenId screen) {
  if (!screens.IsAvailable(screen)) {
    ui.ShowMessage(kNotYetAvailableMessage);
    return ScreenResult::kCancel;
  }
  return ui.OpenScreen(screen);
}

}  // namespace orvanta
