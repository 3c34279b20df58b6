#include "log/log_line.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "log/log_time_text.h"
#include "log/utf16le_text.h"
#include "log_test_files.h"

namespace orvanta::log {
namespace {

using testing::ExampleTime;

class ClockThatFails : public Clock {
 public:
  LocalDateTime Now() const override { throw std::runtime_error("no time"); }
};

std::string Compose(std::string_view text, std::uint32_t thread_id = 0x1A2C) {
  const FixedClock clock(ExampleTime());
  std::string line;
  ComposeLogLine({"Orvanta", "2.1.0.7", thread_id, "TMainForm.FormActivate", text}, clock, line);
  return line;
}

TEST(LogLineTest, ExampleLine) {
  EXPECT_EQ(Compose("Start"),
            "Orvanta V2.1.0.7;00001A2C;09.12.2026 03:43:26.123;"
            "TMainForm.FormActivate;Start;\r\n");
}

TEST(LogLineTest, ThreadIdHasEightHexDigits) {
  EXPECT_EQ(Compose("x", 0).substr(17, 9), "00000000;");
  EXPECT_EQ(Compose("x", 0xFFFFFFFF).substr(17, 9), "FFFFFFFF;");
}

TEST(LogLineTest, LineBreaksInTheTextBecomeSpaces) {
  struct Case {
    std::string_view text;
    std::string_view logged;
  };
  const Case cases[] = {
      {"birinci\nikinci", "birinci ikinci"},
      {"birinci\r\nikinci", "birinci  ikinci"},
      {"\rbaş\r", " baş "},
      {"", ""},
  };
  const std::string prefix =
      "Orvanta V2.1.0.7;00001A2C;09.12.2026 03:43:26.123;TMainForm.FormActivate;";
  for (const Case& c : cases) {
    EXPECT_EQ(Compose(c.text), prefix + std::string(c.logged) + ";\r\n") << c.text;
  }
}

TEST(LogLineTest, FailingStepLeavesTheLineComposedSoFar) {
  const ClockThatFails clock;
  std::string line = "old";
  EXPECT_THROW(ComposeLogLine({"Orvanta", "2.1.0.7", 0x1A2C, "U.M", "text"}, clock, line),
               std::runtime_error);
  EXPECT_EQ(line, "Orvanta V2.1.0.7;00001A2C;");
}

TEST(LogTimeTextTest, FieldsHaveLeadingZeros) {
  const LocalDateTime t{2026, 1, 2, 3, 4, 5, 7};
  EXPECT_EQ(LogLineTime(t), "02.01.2026 03:04:05.007");
  EXPECT_EQ(ErrorLineTime(t), "02.01.2026 03:04:05");
  EXPECT_EQ(RotationStamp(t), "260102_030405");
  EXPECT_EQ(RotationStamp(ExampleTime()), "261209_034326");
}

TEST(Utf16LeTextTest, EncodesLittleEndianWithoutByteOrderMark) {
  struct Case {
    std::string_view utf8;
    std::string_view utf16le;
  };
  const Case cases[] = {
      {"A;", std::string_view("A\0;\0", 4)},
      {"ğİ", "\x1F\x01\x30\x01"},
      {"€", "\xAC\x20"},
      {"\xF0\x9F\x98\x80", std::string_view("\x3D\xD8\x00\xDE", 4)},  // U+1F600 as a surrogate pair
      {"\xFF", "\xFD\xFF"},                                           // not UTF-8
      {"a\xC4", std::string_view("a\0\xFD\xFF", 4)},                  // cut short
      {"\xC0\x80", "\xFD\xFF\xFD\xFF"},                               // overlong
      {"\xED\xA0\x80", "\xFD\xFF\xFD\xFF\xFD\xFF"},                   // a lone surrogate
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.utf16le) << c.utf8;
  }
}

}  // namespace
}  // namespace orvanta::log
