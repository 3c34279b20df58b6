#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

// The last backup name: option record print font slot 20, string[60] at offset 5511.
std::string LastBackupName(const fs::path& set_folder) {
  const std::string option = ReadBytes(set_folder / "option.prg");
  if (option.size() < 5976) return "<short option.prg>";
  return option.substr(5512, static_cast<unsigned char>(option[5511]));
}

size_t ArchivesIn(const fs::path& folder) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".zip") ++count;
  }
  return count;
}

class BackupCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(CliRunner::Program())) << CliRunner::Program();
    ASSERT_EQ(cli_.Run("init").status, 0);
  }
  CliRunner cli_;
};

TEST_F(BackupCommandTest, NamedBackupGoesIntoTheSetFolderAndBecomesTheLastBackupName) {
  const CliRun run = cli_.Run("backup DENEME");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(cli_.SetFolder() / "DENEME.zip"));
  EXPECT_EQ(LastBackupName(cli_.SetFolder()), "DENEME.zip");
  EXPECT_NE(run.out.find("DENEME.zip"), std::string::npos);
}

TEST_F(BackupCommandTest, NamedBackupIntoAnotherFolder) {
  const fs::path folder = cli_.root() / "elsewhere";
  fs::create_directories(folder);
  ASSERT_EQ(cli_.Run("backup YIL_SONU --dir '" + folder.string() + "'").status, 0);
  EXPECT_TRUE(fs::exists(folder / "YIL_SONU.zip"));
  EXPECT_FALSE(fs::exists(cli_.SetFolder() / "YIL_SONU.zip"));
}

TEST_F(BackupCommandTest, NameWithAPathSeparatorIsRefused) {
  const CliRun run = cli_.Run("backup ../kacak");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("yedek adı"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(cli_.SetFolder().parent_path() / "kacak.zip"));
}

TEST_F(BackupCommandTest, AutomaticBackupTwiceWithoutChangesKeepsOneArchive) {
  ASSERT_EQ(cli_.Run("backup").status, 0);
  const CliRun second = cli_.Run("backup");
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.out.find("aynı"), std::string::npos) << second.out;
  EXPECT_EQ(ArchivesIn(cli_.SetFolder() / "yedekler"), 1u);
}

// The damaged lesson.prg would stop the set from opening; the restore does not need it to.
TEST_F(BackupCommandTest, RestoreBringsBackTheArchivedFilesOfASetThatNoLongerOpens) {
  ASSERT_EQ(cli_.Run("backup ONCE").status, 0);
  const std::string lesson_before = ReadBytes(cli_.SetFolder() / "lesson.prg");
  WriteBytes(cli_.SetFolder() / "lesson.prg", std::string(292, '\x01'));

  const CliRun run = cli_.Run("restore '" + (cli_.SetFolder() / "ONCE.zip").string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Geri alma işlemi tamamlanmıştır."), std::string::npos);
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "lesson.prg"), lesson_before);
}

TEST_F(BackupCommandTest, RestoreOfADamagedArchiveFailsAndChangesNothing) {
  ASSERT_EQ(cli_.Run("backup ONCE").status, 0);
  const fs::path archive = cli_.SetFolder() / "ONCE.zip";
  const std::string bytes = ReadBytes(archive);
  WriteBytes(archive, bytes.substr(0, bytes.size() / 2));
  const std::string option_before = ReadBytes(cli_.SetFolder() / "option.prg");

  const CliRun run = cli_.Run("restore '" + archive.string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bozuk"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "option.prg"), option_before);
}

}  // namespace
}  // namespace orvanta::testing
