#include "data/archive/retention_cleaner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "data/archive/archive_test_files.h"
#include "data/archive/file_local_time.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

constexpr LocalDateTime kToday{2024, 1, 10, 11, 30, 0, 0};

ArchiveFile Archive(const std::string& name, const LocalDateTime& modified) {
  return {fs::path("yedekler") / name, name, modified};
}

std::vector<std::string> DeletedNames(const std::vector<ArchiveFile>& archives,
                                      const LocalDateTime& today = kToday) {
  std::vector<std::string> names;
  for (const fs::path& path : ArchivesToDelete(archives, today)) {
    names.push_back(path.filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RetentionCleanerTest, OfTwoArchivesEightDaysAgoTheGreaterNameStays) {
  const std::vector<ArchiveFile> archives = {
      Archive("2024x01x02x09x00x00x000.zip", {2024, 1, 2, 9, 0, 0, 0}),
      Archive("2024x01x02x17x30x00x000.zip", {2024, 1, 2, 17, 30, 0, 0})};
  EXPECT_EQ(DeletedNames(archives), std::vector<std::string>{"2024x01x02x09x00x00x000.zip"});
}

TEST(RetentionCleanerTest, TheSamePairDatedTodayStaysWhole) {
  const std::vector<ArchiveFile> archives = {
      Archive("2024x01x02x09x00x00x000.zip", {2024, 1, 2, 9, 0, 0, 0}),
      Archive("2024x01x02x17x30x00x000.zip", {2024, 1, 2, 17, 30, 0, 0})};
  EXPECT_TRUE(DeletedNames(archives, {2024, 1, 2, 18, 0, 0, 0}).empty());
}

TEST(RetentionCleanerTest, TheNameDecidesNotTheTime) {
  const std::vector<ArchiveFile> archives = {Archive("b.zip", {2024, 1, 1, 8, 0, 0, 0}),
                                             Archive("a.zip", {2024, 1, 1, 20, 0, 0, 0}),
                                             Archive("B.zip", {2024, 1, 1, 21, 0, 0, 0})};
  EXPECT_EQ(DeletedNames(archives), (std::vector<std::string>{"B.zip", "a.zip"}));
}

struct WindowCase {
  const char* name;
  LocalDateTime modified;
  bool cleaned;
};

// Each case: a pair on the same day, "a.zip" at the given time and "z.zip" at noon; "a.zip" goes
// exactly when its time lies inside a cleaned window.
const WindowCase kWindowCases[] = {
    {"SixDaysAgo", {2024, 1, 4, 10, 0, 0, 0}, false},
    {"SevenDaysAgo", {2024, 1, 3, 10, 0, 0, 0}, true},
    {"ExactlyMidnight", {2024, 1, 3, 0, 0, 0, 0}, false},
    {"OneMillisecondAfterMidnight", {2024, 1, 3, 0, 0, 0, 1}, true},
    {"ExactlyOneSecondBeforeMidnight", {2024, 1, 3, 23, 59, 59, 0}, false},
    {"JustBeforeThat", {2024, 1, 3, 23, 59, 58, 999}, true},
    {"ThreeHundredSixtyFiveDaysAgo", {2023, 1, 10, 10, 0, 0, 0}, true},
    {"ThreeHundredSixtySixDaysAgo", {2023, 1, 9, 10, 0, 0, 0}, false},
    {"AcrossAMonthEnd", {2023, 12, 31, 10, 0, 0, 0}, true},
};

class RetentionWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(RetentionWindowTest, OlderArchiveOfTheDayGoesOnlyInsideTheWindow) {
  const LocalDateTime a = GetParam().modified;
  const std::vector<ArchiveFile> archives = {
      Archive("a.zip", a), Archive("z.zip", {a.year, a.month, a.day, 12, 0, 0, 0})};
  const auto deleted = DeletedNames(archives);
  if (GetParam().cleaned) {
    EXPECT_EQ(deleted, std::vector<std::string>{"a.zip"});
  } else {
    EXPECT_TRUE(deleted.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RetentionWindowTest, ::testing::ValuesIn(kWindowCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Local noon days_ago days before now, as a file time (a change of daylight saving time moves
// it by an hour at most, which keeps it well inside the day).
fs::file_time_type NoonDaysAgo(int days_ago) {
  const auto now = fs::file_time_type::clock::now();
  const LocalDateTime local = LocalTimeOf(now);
  const auto since_noon = std::chrono::milliseconds(
      ((local.hour - 12) * 3600 + local.minute * 60 + local.second) * 1000 + local.millisecond);
  return now - since_noon - std::chrono::hours(24 * days_ago);
}

TEST(RetentionCleanerTest, DeletesFromTheFolderAndLeavesRecentArchivesAndOtherFiles) {
  TempDir folder;
  const auto write = [&](const char* name, int days_ago, int seconds_later) {
    WriteBytes(folder.path() / name, name);
    fs::last_write_time(folder.path() / name,
                        NoonDaysAgo(days_ago) + std::chrono::seconds(seconds_later));
  };
  write("2020x01x01x09x00x00x000.zip", 8, 0);
  write("2020x01x01x10x00x00x000.zip", 8, 60);
  write("old.ZIP", 8, 120);
  write("recent1.zip", 2, 0);
  write("recent2.zip", 2, 60);
  write("notes.txt", 8, 0);
  const FixedClock clock(LocalTimeOf(fs::file_time_type::clock::now()));

  const auto deleted = CleanOldArchives(folder.path(), clock);

  EXPECT_EQ(deleted.size(), 2u);
  std::vector<std::string> left;
  for (const auto& [name, bytes] : FolderContent(folder.path())) left.push_back(name);
  EXPECT_EQ(left, (std::vector<std::string>{"notes.txt", "old.ZIP", "recent1.zip", "recent2.zip"}))
      << "\"old.ZIP\" is an archive too, and its name is the greatest of its day";
}

}  // namespace
}  // namespace orvanta::testing
