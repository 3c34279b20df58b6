#include <gtest/gtest.h>

#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "data/record_file.h"
#include "support/byte_fixture.h"
#include "support/temp_dir.h"

namespace orvanta {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

constexpr LocalDateTime kDecember2026{2026, 12, 10, 9, 0, 0, 0};

class ProgramSetIoTest : public ::testing::Test {
 protected:
  ProgramSetIoTest() : clock_(kDecember2026), data_(root_.path()) {}

  std::filesystem::path DataRoot() const { return root_.path() / "Quillen" / "Orvanta"; }
  void Open() { OpenProgramSet(data_, clock_); }
  void WriteProgList(const std::vector<std::pair<int, int>>& no_and_current) {
    std::string bytes;
    for (const auto& [no, current] : no_and_current) {
      bytes += testing::ByteFixture(176).Int32(0, no).Int32(112, current).String(8, "SET").bytes();
    }
    WriteBytes(DataRoot() / "prog.prg", bytes);
  }

  TempDir root_;
  FixedClock clock_;
  SchoolData data_;
};

TEST_F(ProgramSetIoTest, EmptyRootGetsTheWholeTreeWithDefaults) {
  Open();
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_.path())) {
    found.push_back(std::filesystem::relative(entry.path(), root_.path()).generic_string());
  }
  std::sort(found.begin(), found.end());
  const std::vector<std::string> expected = {
      "Quillen",
      "Quillen/Orvanta",
      "Quillen/Orvanta/01",
      "Quillen/Orvanta/01/clss.prg",
      "Quillen/Orvanta/01/common.prg",
      "Quillen/Orvanta/01/duty.prg",
      "Quillen/Orvanta/01/lesson.prg",
      "Quillen/Orvanta/01/option.prg",
      "Quillen/Orvanta/01/room.prg",
      "Quillen/Orvanta/01/teacher.prg",
      "Quillen/Orvanta/01/yedekler",
      "Quillen/Orvanta/01/yedekler/temp",
      "Quillen/Orvanta/prog.prg",
      "Quillen/Orvanta/tmp",
      "Quillen/Tessaro",
      "Quillen/Tessaro/2026",
      "Quillen/Tessaro/2026/option.ts2",
      "Quillen/global.prg",
  };
  EXPECT_EQ(found, expected);

  const std::string prog = ReadBytes(DataRoot() / "prog.prg");
  ASSERT_EQ(prog.size(), 176u);
  EXPECT_EQ(testing::Int32At(prog, 0), 1);
  EXPECT_EQ(testing::Int32At(prog, 4), 1);
  EXPECT_EQ(testing::StringAt(prog, 8), "HAFTALIK DERS PROGRAMI");
  EXPECT_EQ(testing::Int32At(prog, 112), 1);
  for (const char* name : {"lesson.prg", "clss.prg", "room.prg", "teacher.prg", "common.prg",
                           "duty.prg"}) {
    EXPECT_EQ(std::filesystem::file_size(DataRoot() / "01" / name), 0u) << name;
  }
  OptionType option;
  FillDefaults(option);
  EXPECT_EQ(ReadBytes(DataRoot() / "01" / "option.prg"), RecordBytes(option));
  EXPECT_EQ(ReadBytes(root_.path() / "Quillen" / "global.prg"), std::string(316, '\0'));
  EXPECT_EQ(std::filesystem::file_size(root_.path() / "Quillen/Tessaro/2026/option.ts2"), 6624u);
  EXPECT_EQ(data_.open_set_no, 1);
  EXPECT_EQ(data_.days_in_use, 5);
}

TEST_F(ProgramSetIoTest, FirstSetWithCurrentOneIsOpened) {
  WriteProgList({{3, 0}, {7, 1}, {100, 1}});
  Open();
  EXPECT_EQ(data_.open_set_no, 7);
  EXPECT_EQ(data_.set_folder, DataRoot() / "07");
  EXPECT_TRUE(std::filesystem::exists(DataRoot() / "07" / "yedekler" / "temp"));
}

TEST_F(ProgramSetIoTest, ThreeDigitSetNumberNamesItsFolderUnchanged) {
  WriteProgList({{100, 1}});
  Open();
  EXPECT_EQ(data_.set_folder, DataRoot() / "100");
}

TEST_F(ProgramSetIoTest, NoCurrentSetUsesFolderOfSetOne) {
  WriteProgList({{5, 0}, {1, 0}});
  data_.open_set_no = 5;
  Open();
  EXPECT_EQ(data_.set_folder, DataRoot() / "01");
  EXPECT_EQ(data_.open_set_no, 5);
}

TEST_F(ProgramSetIoTest, SchoolYearNamesThePaySettingsFolder) {
  struct Case {
    LocalDateTime date;
    int year;
  };
  for (const Case& c : {Case{{2024, 9, 1}, 2024}, Case{{2024, 8, 31}, 2023},
                        Case{{2024, 3, 15}, 2023}, Case{{2024, 12, 31}, 2024}}) {
    EXPECT_EQ(SchoolYear(c.date), c.year);
  }
  clock_.Set({2024, 3, 15});
  Open();
  EXPECT_TRUE(std::filesystem::exists(root_.path() / "Quillen/Tessaro/2023/option.ts2"));
}

TEST_F(ProgramSetIoTest, LoadThenSaveIsByteIdentical) {
  Open();
  ClssType clss = SetDefaults(data_.classes);
  clss.Clss.SetText("9-A");
  Insert(data_, clss);
  SaveAll(data_);
  // Bytes the program does not interpret must come back unchanged.
  std::string image = ReadBytes(DataRoot() / "01" / "clss.prg");
  image[42] = 'F';
  image[40] = 'Z';  // past the name's length
  WriteBytes(DataRoot() / "01" / "clss.prg", image);
  std::string option = ReadBytes(DataRoot() / "01" / "option.prg");
  option[5970] = 'Q';
  option += "TRAILING";
  WriteBytes(DataRoot() / "01" / "option.prg", option);

  SchoolData reopened(root_.path());
  OpenProgramSet(reopened, clock_);
  SaveAll(reopened);
  EXPECT_EQ(ReadBytes(DataRoot() / "01" / "clss.prg"), image);
  EXPECT_EQ(ReadBytes(DataRoot() / "01" / "option.prg"), option);
}

TEST_F(ProgramSetIoTest, DamagedListLeavesTheOpenSetAsItWas) {
  Open();
  ClssType clss = SetDefaults(data_.classes);
  Insert(data_, clss);
  const std::string damaged = testing::ByteFixture(292).Int32(0, 0).bytes();
  WriteBytes(DataRoot() / "01" / "lesson.prg", damaged);
  EXPECT_THROW(Open(), DamagedFileError);
  EXPECT_EQ(data_.classes.Count(), 1);
  EXPECT_EQ(ReadBytes(DataRoot() / "01" / "lesson.prg"), damaged);
}

TEST_F(ProgramSetIoTest, ShortOptionRecordIsRefused) {
  Open();
  WriteBytes(DataRoot() / "01" / "option.prg", "short");
  EXPECT_THROW(Open(), DamagedFileError);
  EXPECT_EQ(ReadBytes(DataRoot() / "01" / "option.prg"), "short");
}

TEST_F(ProgramSetIoTest, ShortGlobalRecordIsReplacedWithDefaults) {
  Open();
  WriteBytes(root_.path() / "Quillen" / "global.prg", "xx");
  Open();
  EXPECT_EQ(ReadBytes(root_.path() / "Quillen" / "global.prg"), std::string(316, '\0'));
}

TEST_F(ProgramSetIoTest, OldFilesAreFoundWhateverTheirLetterCase) {
  Open();
  std::filesystem::remove(DataRoot() / "01" / "lesson.prg");
  WriteBytes(DataRoot() / "01" / "LESSON.PRG",
             testing::ByteFixture(292).Int32(0, 1).Int32(4, 1).bytes());
  Open();
  EXPECT_EQ(data_.lessons.Count(), 1);
  SaveAll(data_);
  EXPECT_FALSE(std::filesystem::exists(DataRoot() / "01" / "lesson.prg"));
}

TEST_F(ProgramSetIoTest, SaveInProgressReturnsAtOnce) {
  Open();
  data_.save_in_progress = true;
  std::filesystem::remove(DataRoot() / "01" / "room.prg");
  SaveAll(data_);
  EXPECT_FALSE(std::filesystem::exists(DataRoot() / "01" / "room.prg"));
  data_.save_in_progress = false;
  SaveAll(data_);
  EXPECT_TRUE(std::filesystem::exists(DataRoot() / "01" / "room.prg"));
  EXPECT_FALSE(data_.save_in_progress);
}

}  // namespace
}  // namespace orvanta
