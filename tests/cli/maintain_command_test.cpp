#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

constexpr size_t kLessonSize = 292;
constexpr size_t kCommonSize = 2764;

class MaintainCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(CliRunner::Program())) << CliRunner::Program();
    ASSERT_EQ(cli_.Run("init").status, 0);
    // Lesson 1, and a class lesson (No 1) of lesson 7, which does not exist, for class 3.
    WriteBytes(cli_.SetFolder() / "lesson.prg",
               ByteFixture(kLessonSize).Int32(0, 1).Int32(4, 1).bytes());
    WriteBytes(cli_.SetFolder() / "common.prg", ByteFixture(kCommonSize)
                                                    .Int32(0, 1)
                                                    .Int32(4, 1)
                                                    .Int32(8, 7)
                                                    .Int32(52, 1)
                                                    .Int32(56, 3)
                                                    .bytes());
  }
  CliRunner cli_;
};

TEST_F(MaintainCommandTest, FullMaintenanceRemovesTheDanglingClassLessonAndBacksUp) {
  const CliRun run = cli_.Run("maintain full");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Dosya Bakımlarını Yap"), std::string::npos) << run.out;
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "common.prg").size(), 0u);
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "lesson.prg").size(), kLessonSize);
  EXPECT_FALSE(fs::is_empty(cli_.SetFolder() / "yedekler")) << "save all ends with the backup";
}

TEST_F(MaintainCommandTest, EraseEmptiesTheLists) {
  ASSERT_EQ(cli_.Run("maintain erase").status, 0);
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "lesson.prg").size(), 0u);
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "common.prg").size(), 0u);
}

TEST_F(MaintainCommandTest, UnknownChoiceIsRefusedAndChangesNothing) {
  const CliRun run = cli_.Run("maintain tidy");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("tidy"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(cli_.SetFolder() / "common.prg").size(), kCommonSize);
}

}  // namespace
}  // namespace orvanta::testing
