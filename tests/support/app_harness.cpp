#include "support/app_harness.h"

#include "data/list_operations.h"
#include "data/program_set_io.h"

namespace orvanta::testing {

AppHarness::AppHarness() : data(drive_root), app{data, clock, ui, log, screens, {}} {}

int AppHarness::AddProgramSet(const std::string& name) {
  ProgType set = SetDefaults(data.progs);
  set.Name.SetText(name);
  Insert(data, set);
  SaveProgList(data);
  return set.No;
}

void AppHarness::RegisterAllScreens() {
  for (int id = 0; id <= static_cast<int>(ScreenId::kInformationBoard); ++id) {
    screens.Register(static_cast<ScreenId>(id));
  }
}

}  // namespace orvanta::testing
