#include "data/archive/pay_settings_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "data/io_error.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

constexpr size_t kRecordSize = 6624;

std::string Bytes(const PaySettings& settings) {
  return std::string(reinterpret_cast<const char*>(&settings), sizeof(settings));
}

std::string DefaultBytes() {
  PaySettings settings;
  FillDefaults(settings);
  return Bytes(settings);
}

// Bytes that no default record could hold, length bytes above their capacity included.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(0xFF - i % 251);
  return bytes;
}

class PaySettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("orvanta_pay_settings_" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
    file_ = folder_ / "option.ts2";
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteFile(const std::string& bytes) {
    std::ofstream(file_, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  }
  std::string FileBytes() const {
    std::ifstream in(file_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(PaySettingsFileTest, MissingFileIsCreatedWithTheDefaults) {
  const PaySettings settings = ReadOrCreatePaySettings(file_);
  EXPECT_EQ(Bytes(settings), DefaultBytes());
  EXPECT_EQ(FileBytes(), DefaultBytes());
}

TEST_F(PaySettingsFileTest, FileShorterThanOneRecordIsReplacedByTheDefaults) {
  for (size_t size : {size_t{0}, size_t{100}, kRecordSize - 1}) {
    SCOPED_TRACE("size " + std::to_string(size));
    WriteFile(Pattern(size));
    EXPECT_EQ(Bytes(ReadOrCreatePaySettings(file_)), DefaultBytes());
    EXPECT_EQ(FileBytes(), DefaultBytes());
  }
}

TEST_F(PaySettingsFileTest, ExistingFileIsReadAndLeftUnchanged) {
  const std::string content = Pattern(kRecordSize + 300);
  WriteFile(content);
  EXPECT_EQ(Bytes(ReadOrCreatePaySettings(file_)), content.substr(0, kRecordSize));
  EXPECT_EQ(FileBytes(), content);
}

TEST_F(PaySettingsFileTest, CreatingInAMissingFolderThrowsIoError) {
  file_ = folder_ / "missing" / "option.ts2";
  EXPECT_THROW(ReadOrCreatePaySettings(file_), IoError);
}

TEST_F(PaySettingsFileTest, WriteReplacesTheFirstRecordAndKeepsWhatFollows) {
  const std::string content = Pattern(kRecordSize + 300);
  WriteFile(content);
  PaySettings settings;
  FillDefaults(settings);
  WritePaySettings(file_, settings);
  EXPECT_EQ(FileBytes(), DefaultBytes() + content.substr(kRecordSize));
}

TEST_F(PaySettingsFileTest, WriteCreatesAMissingFile) {
  PaySettings settings;
  FillDefaults(settings);
  WritePaySettings(file_, settings);
  EXPECT_EQ(FileBytes(), DefaultBytes());
}

TEST_F(PaySettingsFileTest, ReadThenWriteIsByteIdenticalEvenForDamagedLengths) {
  const std::string content = Pattern(kRecordSize);
  WriteFile(content);
  WritePaySettings(file_, ReadOrCreatePaySettings(file_));
  EXPECT_EQ(FileBytes(), content);
}

TEST_F(PaySettingsFileTest, ProbeReadsAnExistingRecord) {
  const std::string content = Pattern(kRecordSize + 10);
  WriteFile(content);
  PaySettings out;
  ASSERT_TRUE(ProbePaySettings(file_, out));
  EXPECT_EQ(Bytes(out), content.substr(0, kRecordSize));
}

TEST_F(PaySettingsFileTest, ProbeOfAMissingFileFailsAndCreatesNothing) {
  PaySettings out;
  FillDefaults(out);
  EXPECT_FALSE(ProbePaySettings(file_, out));
  EXPECT_EQ(Bytes(out), DefaultBytes());
  EXPECT_FALSE(fs::exists(file_));
}

TEST_F(PaySettingsFileTest, ProbeOfAShortFileFailsAndLeavesItAlone) {
  const std::string content = Pattern(100);
  WriteFile(content);
  PaySettings out;
  FillDefaults(out);
  EXPECT_FALSE(ProbePaySettings(file_, out));
  EXPECT_EQ(Bytes(out), DefaultBytes());
  EXPECT_EQ(FileBytes(), content);
}

}  // namespace
}  // namespace orvanta
