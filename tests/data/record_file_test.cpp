#include <gtest/gtest.h>

#include "data/file_access.h"
#include "data/record_file.h"
#include "support/byte_fixture.h"
#include "support/temp_dir.h"

namespace orvanta {
namespace {

using testing::ByteFixture;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::string LessonImage(int no) {
  return ByteFixture(292).Int32(0, no).Int32(4, 1).String(29, "DERS").bytes();
}

TEST(RecordFile, RecordCountIsFileSizeOverRecordSize) {
  TempDir dir;
  const auto file = dir.path() / "lesson.prg";
  for (const size_t extra : {size_t{0}, size_t{16}}) {
    WriteBytes(file, LessonImage(1) + LessonImage(2) + std::string(extra, 'x'));
    RecordList<LessonType> list;
    LoadList(list, file);
    EXPECT_EQ(list.Count(), 2) << extra;
    EXPECT_NE(list.Find(2), nullptr);
  }
}

TEST(RecordFile, MissingFileIsCreatedEmpty) {
  TempDir dir;
  const auto file = dir.path() / "room.prg";
  RecordList<RoomType> list;
  LoadList(list, file);
  EXPECT_TRUE(list.Empty());
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

struct DamagedCase {
  const char* name;
  std::string image;
  const char* expected_text;
};

class DamagedRecordFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRecordFile, IsRefusedNamingTheFileAndLeftUnchanged) {
  TempDir dir;
  const auto file = dir.path() / "common.prg";
  WriteBytes(file, GetParam().image);
  RecordList<CommonType> list;
  CommonType kept{};
  kept.No = 33;
  list.Assign({kept});
  try {
    LoadList(list, file);
    FAIL() << "no error";
  } catch (const DamagedFileError& error) {
    EXPECT_NE(std::string(error.what()).find("common.prg"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find(GetParam().expected_text), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(ReadBytes(file), GetParam().image);
  ASSERT_EQ(list.Count(), 1);  // the list as it was
  EXPECT_EQ(list.At(0).No, 33);
}

std::string CommonImage(int no, int cx = 1, int tx = 0, int rx = 0) {
  return ByteFixture(2764).Int32(0, no).Int32(52, cx).Int32(256, tx).Int32(664, rx).bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedRecordFile,
    ::testing::Values(DamagedCase{"NoZero", CommonImage(0), "1..5000"},
                      DamagedCase{"NoAboveRange", CommonImage(5001), "1..5000"},
                      DamagedCase{"NoNegative", CommonImage(-4), "1..5000"},
                      DamagedCase{"DuplicateNo", CommonImage(3) + CommonImage(3), "tekrar"},
                      DamagedCase{"ClassCountAbove50", CommonImage(1, 51), "Sınıf sayısı"},
                      DamagedCase{"TeacherCountNegative", CommonImage(1, 1, -1), "Öğretmen"},
                      DamagedCase{"RoomCountAbove50", CommonImage(1, 1, 0, 60), "Derslik"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordFile, OversizeStringLengthIsClamped) {
  TempDir dir;
  const auto file = dir.path() / "lesson.prg";
  std::string image = LessonImage(1);
  image[60] = static_cast<char>(200);  // SLesson is string[12]
  WriteBytes(file, image);
  RecordList<LessonType> list;
  LoadList(list, file);
  EXPECT_EQ(list.At(0).SLesson.Size(), 12u);
  EXPECT_EQ(list.At(0).Lesson.Text(), "DERS");
}

TEST(RecordFile, SaveWritesRecordsInListOrderAndLeavesNoTemporary) {
  TempDir dir;
  const auto file = dir.path() / "lesson.prg";
  const std::string image = LessonImage(4) + LessonImage(2);
  WriteBytes(file, image);
  RecordList<LessonType> list;
  LoadList(list, file);
  WriteBytes(file, "old");
  SaveList(list, file);
  EXPECT_EQ(ReadBytes(file), image);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(RecordFile, FailedSaveLeavesTheOldFileWhole) {
  TempDir dir;
  const auto file = dir.path() / "lesson.prg";
  WriteBytes(file, LessonImage(1));
  // A folder in the way of the temporary file makes the write fail before anything is replaced.
  std::filesystem::create_directories(dir.path() / "lesson.prg.tmp");
  RecordList<LessonType> list;
  EXPECT_THROW(SaveList(list, file), IoError);
  EXPECT_EQ(ReadBytes(file), LessonImage(1));
}

TEST(FileAccess, OverwriteFileStartKeepsTheRest) {
  TempDir dir;
  const auto file = dir.path() / "option.prg";
  WriteBytes(file, "abcdefgh");
  OverwriteFileStart(file, "XY");
  EXPECT_EQ(ReadBytes(file), "XYcdefgh");
}

TEST(FileAccess, ResolvesFileNamesWithoutRegardToCase) {
  TempDir dir;
  WriteBytes(dir.path() / "LESSON.PRG", "x");
  EXPECT_EQ(ResolveFileName(dir.path(), "lesson.prg").filename(), "LESSON.PRG");
  EXPECT_EQ(ResolveFileName(dir.path(), "room.prg").filename(), "room.prg");
}

}  // namespace
}  // namespace orvanta
