#include "log/log_manager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <thread>

#include "log/platform_thread_id.h"
#include "log_test_files.h"

namespace orvanta::log {
namespace {

using testing::ByteLines;
using testing::DecodeUtf16Le;
using ::testing::ElementsAre;
using testing::ExampleTime;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;
using testing::ReadBytes;
using ::testing::SizeIs;
using testing::TempFolder;
using testing::Utf16LeLines;
using testing::Widen;

constexpr int kBannerLines = 4;

class ClockThatFails : public Clock {
 public:
  LocalDateTime Now() const override { throw std::runtime_error("no time"); }
};

std::u16string ThreadField(std::uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(id));
  return Widen(text);
}

class LogManagerTest : public ::testing::Test {
 protected:
  LogOptions Options() const {
    LogOptions options;
    options.software_name = "Orvanta";
    options.software_version = "2.1.0.7";
    options.log_folder = folder_.path();
    options.sender_error_folder = folder_.path();
    options.clock = std::make_shared<FixedClock>(ExampleTime());
    options.start_pause = options.stop_pause = options.sender_stop_wait =
        options.writer_start_wait = std::chrono::milliseconds(0);
    return options;
  }

  std::filesystem::path LogFile() const { return folder_.path() / "Orvanta.txt"; }

  // The line the calling thread's entry must become, decoded.
  static std::u16string ExpectedLine(std::u16string_view source, std::u16string_view text) {
    return u"Orvanta V2.1.0.7;" + ThreadField(CurrentThreadId()) + u";09.12.2026 03:43:26.123;" +
           std::u16string(source) + u";" + std::u16string(text) + u";\r\n";
  }

  // The logged lines between the start and the stop lines.
  std::vector<std::u16string> LoggedLines() const {
    std::vector<std::u16string> lines = Utf16LeLines(LogFile());
    if (lines.size() < 2 * kBannerLines) return {};
    return {lines.begin() + kBannerLines, lines.end() - kBannerLines};
  }

  TempFolder folder_;
  LogManager log_;
};

TEST_F(LogManagerTest, WritesStartLinesEntriesAndStopLines) {
  log_.Start(Options());
  log_.Log("TMainForm", "FormActivate", "Start");
  log_.Stop();

  const std::u16string start =
      ExpectedLine(u"++++++++++++++++++++.+++++++Start++++++++", u"++++++++++++++++++++");
  const std::u16string entry = ExpectedLine(u"TMainForm.FormActivate", u"Start");
  const std::u16string stop =
      ExpectedLine(u"--------------------.-------Stop---------", u"--------------------");
  EXPECT_THAT(Utf16LeLines(LogFile()),
              ElementsAre(start, start, start, start, entry, stop, stop, stop, stop));
  // UTF-16LE without a byte-order mark: the file opens with the name's first letter.
  EXPECT_EQ(ReadBytes(LogFile()).substr(0, 4), std::string_view("O\0r\0", 4));
}

TEST_F(LogManagerTest, TurkishTextAndLineBreaksStayOnOneLine) {
  log_.Start(Options());
  log_.Log("TTeacherForm", "KaydetBtnClick", "Öğretmen\r\nŞükrü İçöz\nçıktı");
  log_.Stop();
  EXPECT_THAT(LoggedLines(), ElementsAre(ExpectedLine(u"TTeacherForm.KaydetBtnClick",
                                                      u"Öğretmen  Şükrü İçöz çıktı")));
}

TEST_F(LogManagerTest, NothingIsWrittenBeforeStart) {
  log_.Log("TMainForm", "FormCreate", "too early");
  EXPECT_THAT(std::vector(std::filesystem::directory_iterator(folder_.path()), {}), IsEmpty());
}

TEST_F(LogManagerTest, NothingIsWrittenAfterStop) {
  log_.Start(Options());
  log_.Stop();
  log_.Log("TMainForm", "FormDestroy", "too late");
  log_.Stop();
  EXPECT_THAT(Utf16LeLines(LogFile()), SizeIs(2 * kBannerLines));
  EXPECT_THAT(LoggedLines(), IsEmpty());
}

TEST_F(LogManagerTest, SecondStartDoesNothing) {
  TempFolder other;
  LogOptions options = Options();
  options.log_folder = other.path();
  log_.Start(Options());
  log_.Start(options);
  log_.Stop();
  EXPECT_THAT(Utf16LeLines(LogFile()), SizeIs(2 * kBannerLines));
  EXPECT_THAT(std::vector(std::filesystem::directory_iterator(other.path()), {}), IsEmpty());
}

TEST_F(LogManagerTest, LinesInQuickSuccessionKeepTheirOrder) {
  log_.Start(Options());
  log_.Log("TMainForm", "DersBtnClick", "first");
  log_.Log("TMainForm", "DersBtnClick", "second");
  log_.Stop();
  EXPECT_THAT(LoggedLines(), ElementsAre(ExpectedLine(u"TMainForm.DersBtnClick", u"first"),
                                         ExpectedLine(u"TMainForm.DersBtnClick", u"second")));
}

TEST_F(LogManagerTest, EveryLineOfEveryThreadArrivesInItsThreadsOrder) {
  constexpr int kThreads = 4;
  constexpr int kLinesPerThread = 100;
  log_.Start(Options());
  std::vector<std::thread> threads;
  std::vector<std::uint32_t> thread_ids(kThreads);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      thread_ids[t] = CurrentThreadId();
      for (int n = 0; n < kLinesPerThread; ++n) {
        log_.Log("TWorker", "Run", std::to_string(t) + ":" + std::to_string(n));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  log_.Stop();

  std::vector<int> next(kThreads, 0);
  const std::vector<std::u16string> lines = LoggedLines();
  ASSERT_THAT(lines, SizeIs(kThreads * kLinesPerThread));
  for (const std::u16string& line : lines) {
    // ...;TWorker.Run;t:n;CR LF
    const std::size_t text_start = line.find(u"TWorker.Run;") + 12;
    const std::u16string text = line.substr(text_start, line.size() - text_start - 3);
    const std::size_t colon = text.find(u':');
    const int t = std::stoi(std::string(text.begin(), text.begin() + colon));
    const int n = std::stoi(std::string(text.begin() + colon + 1, text.end()));
    ASSERT_TRUE(t >= 0 && t < kThreads) << std::string(line.begin(), line.end());
    EXPECT_EQ(n, next[t]++);
    EXPECT_EQ(line.substr(17, 8), ThreadField(thread_ids[t]));
  }
}

TEST_F(LogManagerTest, UnwritableLogFileLeavesErrorLinesOnly) {
  std::filesystem::create_directory(LogFile());
  log_.Start(Options());
  log_.Log("TMainForm", "FormActivate", "Start");
  log_.Stop();
  const std::vector<std::string> errors = ByteLines(folder_.path() / "ErrorLogWriter.txt");
  ASSERT_THAT(errors, SizeIs(1 + 2 * kBannerLines + 1));
  EXPECT_THAT(errors[0],
              MatchesRegex("DateTime:09\\.12\\.2026 03:43:26; Source:CreateLogFileHandle; "
                           "FileName:.*/Orvanta\\.txt; Error:[1-9][0-9]*;\r\n"));
  EXPECT_THAT(errors[1], MatchesRegex(".*; Source:FileWrite; .*"));
}

TEST_F(LogManagerTest, FailedCompositionLeavesThePartialLineInTheLoggerErrFile) {
  LogOptions options = Options();
  options.clock = std::make_shared<ClockThatFails>();
  log_.Start(options);
  log_.Log("TMainForm", "FormActivate", "Start");
  log_.Stop();
  EXPECT_EQ(DecodeUtf16Le(ReadBytes(folder_.path() / "Orvanta.LoggerErr")),
            u"Orvanta V2.1.0.7;" + ThreadField(CurrentThreadId()) + u";");
  EXPECT_FALSE(std::filesystem::exists(LogFile()));
}

}  // namespace
}  // namespace orvanta::log
