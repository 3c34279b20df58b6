#include "log/log_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "log_test_files.h"

namespace orvanta::log {
namespace {

using testing::ByteLines;
using ::testing::ElementsAre;
using testing::ExampleTime;
using ::testing::MatchesRegex;
using testing::ReadBytes;
using ::testing::SizeIs;
using testing::TempFolder;

// The example line as the writer receives it: UTF-16LE bytes with CR LF.
std::string ExampleLineBytes() {
  std::string bytes;
  for (const char c : std::string_view(
           "Orvanta V2.1.0.7;00001A2C;09.12.2026 03:43:26.123;TMainForm.FormActivate;Start;\r\n")) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

class LogWriterTest : public ::testing::Test {
 protected:
  std::filesystem::path LogFile() const { return folder_.path() / "Orvanta.txt"; }
  std::filesystem::path RotatedFile() const { return folder_.path() / "261209_034326_Orvanta.txt"; }
  std::filesystem::path ErrorFile() const { return folder_.path() / "ErrorLogWriter.txt"; }

  // Writes the example line count times and returns once the writer has ended.
  void WriteLines(int count, std::uint64_t max_file_size) {
    LogWriter writer(LogFile(), max_file_size, clock_);
    for (int i = 0; i < count; ++i) {
      auto record = std::make_unique<LogRecord>();
      record->log_line = ExampleLineBytes();
      writer.Post(LogMessage::Record(std::move(record)));
    }
  }

  void ClearFolder() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      std::filesystem::remove_all(entry.path());
    }
  }

  TempFolder folder_;
  std::shared_ptr<const Clock> clock_ = std::make_shared<FixedClock>(ExampleTime());
  const std::uint64_t line_size_ = ExampleLineBytes().size();
};

TEST_F(LogWriterTest, WritesLinesUnchangedAndInOrder) {
  WriteLines(2, 1000 * line_size_);
  EXPECT_EQ(ReadBytes(LogFile()), ExampleLineBytes() + ExampleLineBytes());
  EXPECT_FALSE(std::filesystem::exists(ErrorFile()));
}

TEST_F(LogWriterTest, AppendsToAnExistingLogFile) {
  WriteLines(1, 1000 * line_size_);
  WriteLines(1, 1000 * line_size_);
  EXPECT_EQ(ReadBytes(LogFile()), ExampleLineBytes() + ExampleLineBytes());
}

TEST_F(LogWriterTest, MovesTheFileAsideWhenItReachesTheLimit) {
  struct Case {
    int lines;
    std::uint64_t limit_in_lines_plus;  // limit = 3 lines + this many bytes
    bool rotated;
    int lines_after;
  };
  const Case cases[] = {
      {3, 0, true, 0},   // exactly at the limit
      {3, 1, false, 3},  // one byte below
      {4, 0, true, 1},   // the next line starts the new file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lines << " lines, limit +" << c.limit_in_lines_plus);
    ClearFolder();
    WriteLines(c.lines, 3 * line_size_ + c.limit_in_lines_plus);
    EXPECT_EQ(std::filesystem::exists(RotatedFile()), c.rotated);
    if (c.rotated) {
      EXPECT_EQ(std::filesystem::file_size(RotatedFile()), 3 * line_size_);
    }
    ASSERT_TRUE(std::filesystem::exists(LogFile()));
    EXPECT_EQ(std::filesystem::file_size(LogFile()), c.lines_after * line_size_);
  }
}

TEST_F(LogWriterTest, NeverOverwritesAFileMovedAsideInTheSameSecond) {
  WriteLines(2, line_size_);
  EXPECT_EQ(std::filesystem::file_size(RotatedFile()), line_size_);
  EXPECT_EQ(std::filesystem::file_size(LogFile()), line_size_);
  EXPECT_THAT(ByteLines(ErrorFile()),
              ElementsAre(MatchesRegex("DateTime:09\\.12\\.2026 03:43:26; Source:RenameLogFile; "
                                       "FileName:.*/Orvanta\\.txt; Error:[1-9][0-9]*;\r\n")));
}

TEST_F(LogWriterTest, UnopenableFileIsReportedAndEveryWriteFails) {
  // A folder in the log file's place cannot be opened as a file, even by an administrator.
  std::filesystem::create_directory(LogFile());
  WriteLines(2, line_size_);
  const std::vector<std::string> errors = ByteLines(ErrorFile());
  ASSERT_THAT(errors, SizeIs(3));
  const std::string file_name = "FileName:" + LogFile().string() + "; ";
  EXPECT_EQ(
      errors[0].find("DateTime:09.12.2026 03:43:26; Source:CreateLogFileHandle; " + file_name), 0u)
      << errors[0];
  EXPECT_THAT(errors[0], MatchesRegex(".*; Error:[1-9][0-9]*;\r\n"));
  for (int i : {1, 2}) {
    EXPECT_EQ(errors[i].find("DateTime:09.12.2026 03:43:26; Source:FileWrite; " + file_name), 0u)
        << errors[i];
  }
}

TEST_F(LogWriterTest, ErrorLinesAreSingleByteTurkish) {
  const std::filesystem::path folder = folder_.path() / std::u8string(u8"Günlük");
  std::filesystem::create_directories(folder / "Orvanta.txt");
  { LogWriter writer(folder / "Orvanta.txt", line_size_, clock_); }
  const std::string errors = ReadBytes(folder / "ErrorLogWriter.txt");
  EXPECT_NE(errors.find("/G\xFCnl\xFCk/Orvanta.txt; Error:"), std::string::npos) << errors;
}

}  // namespace
}  // namespace orvanta::log
