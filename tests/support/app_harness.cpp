#include "support/app_harness.h"

#include <atomic>
#include <random>
#include <string>

#include "data/list_operations.h"
#include "data/program_set_io.h"

namespace orvanta::testing {
namespace {

// Unique per process (random) and per harness (counter), so parallel test programs never share.
std::filesystem::path NewTemporaryFolder() {
  static const unsigned process_tag = std::random_device{}();
  static std::atomic<int> counter{0};
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("orvanta_app_" + std::to_string(process_tag) + "_" + std::to_string(++counter));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

AppHarness::AppHarness()
    : drive_root(NewTemporaryFolder()), data(drive_root), app{data, clock, ui, log, screens, {}} {}

AppHarness::~AppHarness() {
  std::error_code ignored;
  std::filesystem::remove_all(drive_root, ignored);
}

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
