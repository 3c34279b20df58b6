#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "data/archive/old_files_fixture.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

class ImportV2CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(CliRunner::Program())) << CliRunner::Program();
    ASSERT_EQ(cli_.Run("init").status, 0);
    old_ = cli_.root() / "eski";
    fs::create_directories(old_);
    OldRecord clss = OldClassRecord(3, "9", "A");
    clss.Slot(kOldClassLessons, 1, 1, 4);
    WriteBytes(old_ / "lesson.prg2", OldLessonRecord(4, "TARIH", 2, {2}).bytes());
    WriteBytes(old_ / "clss.prg2", clss.bytes());
    WriteBytes(old_ / "teacher.prg2", OldTeacherRecord(1, "ALI", 0).bytes());
    WriteBytes(old_ / "clle.prg2", OldClassLessonRecord(3, 4, {1, 2}, {}, {3}).bytes());
  }
  std::string Quoted(const fs::path& path) const { return "'" + path.string() + "'"; }

  CliRunner cli_;
  fs::path old_;
};

TEST_F(ImportV2CommandTest, ImportsAFolderAndReportsWhatItLeftOut) {
  const CliRun run = cli_.Run("import-v2 " + Quoted(old_));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("1 ders, 1 sınıf, 0 derslik, 1 öğretmen, 1 sınıf dersi"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("2 numaralı öğretmen yok"), std::string::npos) << run.out;
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "common.prg").size(), 2764u);
}

TEST_F(ImportV2CommandTest, RefusesASetThatIsNotEmpty) {
  ASSERT_EQ(cli_.Run("import-v2 " + Quoted(old_)).status, 0);
  const CliRun again = cli_.Run("import-v2 " + Quoted(old_));
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("boş"), std::string::npos) << again.err;
}

TEST_F(ImportV2CommandTest, DamagedOldArchiveChangesNothing) {
  const fs::path archive = cli_.root() / "eski.zip";
  WriteBytes(archive, ZlibCompress(SizeHeader({92, 5000})).substr(0, 20));
  const auto before = FolderContent(cli_.SetFolder());

  const CliRun run = cli_.Run("import-v2 " + Quoted(archive));

  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bozuk"), std::string::npos) << run.err;
  EXPECT_EQ(FolderContent(cli_.SetFolder()), before);
}

}  // namespace
}  // namespace orvanta::testing
