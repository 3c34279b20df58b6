#include "data/archive/automatic_backup.h"

#include <gtest/gtest.h>

#include <memory>

#include "data/archive/archive_folder.h"
#include "data/archive/archive_test_files.h"
#include "data/list_operations.h"
#include "data/paths.h"
#include "data/program_set_io.h"

namespace orvanta::testing {
namespace {

class AutomaticBackupTest : public ::testing::Test {
 protected:
  AutomaticBackupTest() : data_(std::make_unique<SchoolData>(root_.path())) {
    OpenProgramSet(*data_, clock_);
  }

  std::vector<ArchiveFile> Archives() const {
    return ListArchives(BackupFolder(data_->set_folder));
  }
  void AddLesson(const char* name) {
    LessonType lesson = SetDefaults(data_->lessons);
    lesson.Lesson.SetText(name);
    Insert(*data_, lesson);
  }

  TempDir root_;
  FixedClock clock_{{2024, 3, 5, 14, 7, 9, 42}};
  std::unique_ptr<SchoolData> data_;
  AutomaticBackup backup_{clock_};
};

TEST_F(AutomaticBackupTest, SavingTwiceWithoutChangesLeavesOneArchive) {
  SaveAll(*data_, backup_.Step());
  clock_.Set({2024, 3, 5, 14, 8, 0, 0});
  SaveAll(*data_, backup_.Step());

  const auto archives = Archives();
  ASSERT_EQ(archives.size(), 1u);
  EXPECT_EQ(archives[0].name, "2024x03x05x14x07x09x042.zip");
}

TEST_F(AutomaticBackupTest, ChangedDataGivesASecondArchive) {
  SaveAll(*data_, backup_.Step());
  AddLesson("MATEMATİK");
  clock_.Set({2024, 3, 5, 14, 8, 0, 0});
  SaveAll(*data_, backup_.Step());

  EXPECT_EQ(Archives().size(), 2u);
}

TEST_F(AutomaticBackupTest, BackupInTheSameMillisecondTakesTheNextFreeName) {
  const auto first = backup_.Run(data_->set_folder);
  AddLesson("FİZİK");
  SaveAll(*data_);
  const auto second = backup_.Run(data_->set_folder);

  EXPECT_EQ(first.archive.filename(), "2024x03x05x14x07x09x042.zip");
  EXPECT_EQ(second.outcome, AutomaticBackupResult::Outcome::kWritten);
  EXPECT_EQ(second.archive.filename(), "2024x03x05x14x07x09x043.zip");
  EXPECT_EQ(Archives().size(), 2u);
}

TEST_F(AutomaticBackupTest, ComparesWithTheNewestFileWhateverItsName) {
  backup_.Run(data_->set_folder);
  WriteBytes(BackupFolder(data_->set_folder) / "note.txt", "newer than the archive");
  clock_.Set({2024, 3, 5, 15, 0, 0, 0});

  EXPECT_EQ(backup_.Run(data_->set_folder).outcome, AutomaticBackupResult::Outcome::kWritten);
}

TEST_F(AutomaticBackupTest, MissingBackupFolderIsCreated) {
  std::filesystem::remove_all(BackupFolder(data_->set_folder));
  EXPECT_EQ(backup_.Run(data_->set_folder).outcome, AutomaticBackupResult::Outcome::kWritten);
  EXPECT_EQ(Archives().size(), 1u);
}

TEST_F(AutomaticBackupTest, FailureIsReturnedNotThrownAndLeavesNoArchive) {
  std::filesystem::remove(data_->set_folder / "teacher.prg");
  const auto result = backup_.Run(data_->set_folder);
  EXPECT_EQ(result.outcome, AutomaticBackupResult::Outcome::kFailed);
  EXPECT_NE(result.error.find("teacher.prg"), std::string::npos) << result.error;
  EXPECT_TRUE(Archives().empty());
  EXPECT_FALSE(backup_.Busy());
}

TEST_F(AutomaticBackupTest, CallerProcessesEventsWhileTheWorkerRuns) {
  int events = 0;
  AutomaticBackup backup(clock_, [&] { ++events; });
  const auto result = backup.Run(data_->set_folder);
  EXPECT_EQ(result.outcome, AutomaticBackupResult::Outcome::kWritten);
  EXPECT_GE(events, 1);
  EXPECT_FALSE(backup.Busy());
}

// An event handled during the wait starts a second backup of the same runner: it waits for the
// first (the busy flag), then runs, and neither overwrites the other.
TEST_F(AutomaticBackupTest, BackupStartedFromAnEventWaitsForTheRunningOne) {
  AutomaticBackupResult nested;
  bool nested_started = false;
  std::unique_ptr<AutomaticBackup> backup;
  backup = std::make_unique<AutomaticBackup>(clock_, [&] {
    if (nested_started) return;
    nested_started = true;
    nested = backup->Run(data_->set_folder);
  });
  const auto outer = backup->Run(data_->set_folder);

  EXPECT_EQ(outer.outcome, AutomaticBackupResult::Outcome::kWritten);
  ASSERT_TRUE(nested_started);
  EXPECT_EQ(nested.outcome, AutomaticBackupResult::Outcome::kUnchanged)
      << "the second found the first archive finished and identical";
  EXPECT_EQ(Archives().size(), 1u);
  EXPECT_FALSE(backup->Busy());
}

TEST_F(AutomaticBackupTest, SaveStartedDuringTheBackupReturnsAtOnce) {
  bool nested_saved = false;
  AutomaticBackup backup(clock_, [&] {
    if (nested_saved) return;
    nested_saved = true;
    AddLesson("KİMYA");
    SaveAll(*data_);  // the save flag is still set: nothing is written
  });
  SaveAll(*data_, backup.Step());

  ASSERT_TRUE(nested_saved);
  auto reopened = std::make_unique<SchoolData>(root_.path());
  OpenProgramSet(*reopened, clock_);
  EXPECT_EQ(reopened->lessons.Count(), 0);
  EXPECT_EQ(data_->lessons.Count(), 1) << "written by the next save";
}

}  // namespace
}  // namespace orvanta::testing
