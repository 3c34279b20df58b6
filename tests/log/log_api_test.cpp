#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "log/log.h"
#include "log_test_files.h"

namespace orvanta::log {
namespace {

using testing::ExampleTime;
using ::testing::SizeIs;
using testing::TempFolder;
using testing::Utf16LeLines;

// The program's log is one per process, so this is the only test that starts it.
TEST(ProgramLogTest, LogsOnlyBetweenStartAndStop) {
  TempFolder folder;
  LogOptions options;
  options.software_name = "Orvanta";
  options.software_version = "2.1.0.7";
  options.log_folder = options.sender_error_folder = folder.path();
  options.clock = std::make_shared<FixedClock>(ExampleTime());
  options.start_pause = options.stop_pause = options.sender_stop_wait = options.writer_start_wait =
      std::chrono::milliseconds(0);

  Write("TMainForm", "FormCreate", "before");
  Start(options);
  Write("TMainForm", "FormActivate", "during");
  Stop();
  Write("TMainForm", "FormDestroy", "after");

  const std::vector<std::u16string> lines = Utf16LeLines(folder.path() / "Orvanta.txt");
  ASSERT_THAT(lines, SizeIs(9));
  EXPECT_NE(lines[4].find(u";TMainForm.FormActivate;during;\r\n"), std::u16string::npos);
}

}  // namespace
}  // namespace orvanta::log
