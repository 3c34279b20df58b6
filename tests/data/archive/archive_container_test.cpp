#include <gtest/gtest.h>

#include "data/archive/archive_name.h"
#include "data/archive/make_archive.h"
#include "data/archive/restore_archive.h"
#include "data/archive/set_folder_fixture.h"
#include "data/io_error.h"

namespace orvanta::testing {
namespace {

using ArchiveContainerTest = SetFolderTest;

TEST_F(ArchiveContainerTest, ArchiveIsOneLevelNineZlibStreamOfHeaderAndTheSevenFiles) {
  const auto archive = elsewhere_.path() / "a.zip";
  MakeArchive(folder(), archive);

  const std::string bytes = ReadBytes(archive);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x78);  // deflate, 32 KiB window
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xDA);  // level 9, header check
  size_t consumed = 0;
  EXPECT_EQ(ZlibDecompress(bytes, consumed), ExpectedContent());
  EXPECT_EQ(consumed, bytes.size()) << "nothing may follow the stream";
}

TEST_F(ArchiveContainerTest, SizesFileHoldsTheHeaderOfTheArchive) {
  MakeArchive(folder(), elsewhere_.path() / "a.zip");

  const std::string sizes = SetFileBytes("sizes.prg");
  ASSERT_EQ(sizes.size(), 80u);
  EXPECT_EQ(sizes, ExpectedContent().substr(0, 80));
  EXPECT_EQ(Int32At(sizes, 0), 80);
  for (size_t i = 0; i < SetFiles().size(); ++i) {
    EXPECT_EQ(Int32At(sizes, 4 * (i + 1)), static_cast<int32_t>(SetFiles()[i].size));
  }
  for (int element = 9; element <= 20; ++element) EXPECT_EQ(Int32At(sizes, 4 * (element - 1)), 0);
}

TEST_F(ArchiveContainerTest, EmptyCommonFileGivesElementSevenZeroAndRestoresEmpty) {
  WriteSetFile("common.prg", "");
  const auto archive = elsewhere_.path() / "a.zip";
  MakeArchive(folder(), archive);
  size_t consumed = 0;
  const std::string content = ZlibDecompress(ReadBytes(archive), consumed);
  EXPECT_EQ(Int32At(content, 4 * (7 - 1)), 0);

  WriteSetFile("common.prg", "left over");
  RestoreArchive(folder(), archive);
  EXPECT_EQ(SetFileBytes("common.prg"), "");
}

TEST_F(ArchiveContainerTest, ArchiveOfAnIndependentWriterRestores) {
  std::vector<std::string> files;
  std::vector<int32_t> sizes;
  int seed = 100;
  for (const SetFile& file : SetFiles()) {
    files.push_back(Pattern(file.size, ++seed));
    sizes.push_back(static_cast<int32_t>(file.size));
  }
  std::string content = SizeHeader(sizes);
  for (const std::string& file : files) content += file;
  const auto archive = elsewhere_.path() / "foreign.zip";
  WriteBytes(archive, ZlibCompress(content));

  RestoreArchive(folder(), archive);

  for (size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(SetFileBytes(SetFiles()[i].name), files[i]) << SetFiles()[i].name;
  }
  EXPECT_EQ(SetFileBytes("sizes.prg"), content.substr(0, 80));
}

TEST_F(ArchiveContainerTest, RestoreGivesBackWhatWasArchivedAndLeavesNoTemporaries) {
  const auto before = ExpectedContent();
  const auto archive = elsewhere_.path() / "a.zip";
  MakeArchive(folder(), archive);
  for (const SetFile& file : SetFiles()) WriteSetFile(file.name, "changed");

  RestoreArchive(folder(), archive);

  EXPECT_EQ(ExpectedContent(), before);
  EXPECT_EQ(Content().size(), SetFiles().size() + 1) << "the seven files and sizes.prg only";
}

TEST_F(ArchiveContainerTest, RestoreReplacesFilesWhoseNamesDifferInCase) {
  const auto archive = elsewhere_.path() / "a.zip";
  MakeArchive(folder(), archive);
  const std::string option = SetFileBytes("option.prg");
  std::filesystem::rename(folder() / "option.prg", folder() / "OPTION.PRG");
  WriteSetFile("OPTION.PRG", "old");

  RestoreArchive(folder(), archive);

  EXPECT_EQ(SetFileBytes("OPTION.PRG"), option);
  EXPECT_FALSE(std::filesystem::exists(folder() / "option.prg"));
}

TEST_F(ArchiveContainerTest, MissingSetFileIsAnErrorAndLeavesNoArchive) {
  std::filesystem::remove(folder() / "room.prg");
  const auto archive = elsewhere_.path() / "a.zip";
  EXPECT_THROW(MakeArchive(folder(), archive), IoError);
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere_.path()));
}

TEST(AutomaticArchiveNameTest, FieldsWithLeadingZerosSeparatedByX) {
  EXPECT_EQ(AutomaticArchiveName({2024, 3, 5, 14, 7, 9, 42}), "2024x03x05x14x07x09x042.zip");
  EXPECT_LT(AutomaticArchiveName({2024, 3, 5, 9, 59, 59, 999}),
            AutomaticArchiveName({2024, 3, 5, 10, 0, 0, 0}));
}

}  // namespace
}  // namespace orvanta::testing
