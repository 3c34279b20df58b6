#include "log/log_folder.h"

#include <gtest/gtest.h>

#include "log/program_location.h"
#include "log_test_files.h"

namespace orvanta::log {
namespace {

using testing::TempFolder;

TEST(LogFolderTest, ProgramFolderWhereTheLogCanBeOpenedThereElseTheDataRoot) {
  TempFolder folder;
  const std::filesystem::path program = folder.path() / "program";
  const std::filesystem::path data_root = folder.path() / "root";
  struct Case {
    const char* name;
    void (*prepare)(const std::filesystem::path& program);
    bool in_program_folder;
  };
  const Case cases[] = {
      {"writable folder", [](const auto& p) { std::filesystem::create_directories(p); }, true},
      {"missing folder", [](const auto&) {}, false},
      {"log name taken by a folder",
       [](const auto& p) { std::filesystem::create_directories(p / "Orvanta.txt"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(program);
    c.prepare(program);
    EXPECT_EQ(ChooseLogFolder(program, data_root, "Orvanta.txt"),
              c.in_program_folder ? program : data_root);
  }
}

TEST(LogFolderTest, ExistingLogFileIsLeftAsItIs) {
  TempFolder folder;
  { std::ofstream(folder.path() / "Orvanta.txt") << "kept"; }
  EXPECT_EQ(ChooseLogFolder(folder.path(), "unused", "Orvanta.txt"), folder.path());
  EXPECT_EQ(testing::ReadBytes(folder.path() / "Orvanta.txt"), "kept");
}

TEST(ProgramLocationTest, NamesThisTestProgram) {
  const std::optional<ProgramLocation> location = CurrentProgramLocation();
  ASSERT_TRUE(location.has_value());
  EXPECT_EQ(location->name, "log_tests");
  EXPECT_TRUE(std::filesystem::exists(location->folder / "log_tests"));
}

}  // namespace
}  // namespace orvanta::log
