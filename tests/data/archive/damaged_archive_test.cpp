// A damaged archive never touches the set: whatever is wrong with it, restoring reports it in
// Turkish and every file of the folder keeps its bytes.

#include <gtest/gtest.h>

#include <functional>

#include "data/archive/archive_error.h"
#include "data/archive/restore_archive.h"
#include "data/archive/set_folder_fixture.h"

namespace orvanta::testing {
namespace {

// The content of a sound archive of two files: option.prg "OPTION" and lesson.prg "LESSONS",
// the other five empty.
std::string SoundContent() { return SizeHeader({6, 7, 0, 0, 0, 0, 0}) + "OPTION" + "LESSONS"; }

struct DamageCase {
  const char* name;
  std::function<std::string()> archive_bytes;
  const char* message_part;
};

std::string Cut(const std::string& bytes, size_t keep) { return bytes.substr(0, keep); }

std::string FlipByte(std::string bytes, size_t position) {
  bytes[position] = static_cast<char>(bytes[position] ^ 0x5A);
  return bytes;
}

std::string WithHeaderElement(int element, int32_t value) {
  std::string bytes = SoundContent();
  bytes.replace(4 * (element - 1), 4, ByteFixture(4).Int32(0, value).bytes());
  return ZlibCompress(bytes);
}

const DamageCase kCases[] = {
    {"EmptyFile", [] { return std::string(); }, "bozuk"},
    {"NotZlib", [] { return std::string("PK\x03\x04 this is a real zip file"); }, "bozuk"},
    {"CutInTheMiddle",
     [] {
       const std::string bytes =
           ZlibCompress(SizeHeader({6, 100000}) + "OPTION" + Pattern(100000, 3));
       return Cut(bytes, bytes.size() / 2);
     },
     "kısa"},
    {"CutBeforeChecksum",
     [] {
       const std::string bytes = ZlibCompress(SoundContent());
       return Cut(bytes, bytes.size() - 2);
     },
     "bozuk"},
    {"CorruptByte",  // caught by a block or by the checksum
     [] {
       const std::string bytes = ZlibCompress(SoundContent() + Pattern(5000, 4), 1);
       return FlipByte(bytes, bytes.size() / 2);
     },
     "bozuk"},
    {"HeaderShort", [] { return ZlibCompress(SoundContent().substr(0, 40)); }, "başlığı eksik"},
    {"HeaderOwnSizeNot80", [] { return WithHeaderElement(1, 81); }, "başlığı geçersiz"},
    {"ContentShorterThanHeader",
     [] { return ZlibCompress(SoundContent().substr(0, SoundContent().size() - 3)); }, "kısa"},
    {"ContentLongerThanHeader", [] { return ZlibCompress(SoundContent() + "EXTRA"); }, "uzun"},
    {"BytesAfterTheStream", [] { return ZlibCompress(SoundContent()) + "junk"; }, "fazla bayt"},
    {"NegativeSize", [] { return WithHeaderElement(4, -1); }, "negatif"},
    {"AbsurdSize", [] { return WithHeaderElement(8, 2'000'000'000); }, "tutabileceğinden büyük"},
};

class DamagedArchiveTest : public SetFolderTest,
                           public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedArchiveTest, IsRefusedAndTheSetStaysAsItWas) {
  WriteSetFile("sizes.prg", SizeHeader({1, 2, 3}));
  const auto before = Content();
  const auto archive = elsewhere_.path() / "damaged.zip";
  WriteBytes(archive, GetParam().archive_bytes());

  try {
    RestoreArchive(folder(), archive);
    FAIL() << "restored a damaged archive";
  } catch (const DamagedArchiveError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message_part), std::string::npos)
        << error.what();
    EXPECT_NE(std::string(error.what()).find("damaged.zip"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("Dosyalar değiştirilmedi"), std::string::npos);
  }
  EXPECT_EQ(Content(), before) << "no file of the set may change, none may be added";
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedArchiveTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetFolderTest, SoundContentOfTheDamageCasesRestores) {
  const auto archive = elsewhere_.path() / "sound.zip";
  WriteBytes(archive, ZlibCompress(SoundContent()));
  RestoreArchive(folder(), archive);
  EXPECT_EQ(SetFileBytes("option.prg"), "OPTION");
  EXPECT_EQ(SetFileBytes("lesson.prg"), "LESSONS");
  EXPECT_EQ(SetFileBytes("duty.prg"), "");
}

TEST_F(SetFolderTest, MissingArchiveIsAnIoErrorAndChangesNothing) {
  const auto before = Content();
  EXPECT_THROW(RestoreArchive(folder(), elsewhere_.path() / "none.zip"), IoError);
  EXPECT_EQ(Content(), before);
}

}  // namespace
}  // namespace orvanta::testing
