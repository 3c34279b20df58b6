#include "app/backup_file_list.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "data/archive/local_time_arithmetic.h"

namespace orvanta {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// -1, 0 or 1, as the names compare when A..Z and a..z are the same letters.
int CompareNames(const std::string& a, const std::string& b) {
  const auto [end_a, end_b] =
      std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
  if (end_a == a.end()) return end_b == b.end() ? 0 : -1;
  if (end_b == b.end()) return 1;
  const auto x = static_cast<unsigned char>(AsciiLower(*end_a));
  const auto y = static_cast<unsigned char>(AsciiLower(*end_b));
  return x < y ? -1 : 1;
}

int CompareDates(const ArchiveFile& a, const ArchiveFile& b) {
  const int64_t x = MillisecondNumber(a.modified);
  const int64_t y = MillisecondNumber(b.modified);
  return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

void SortArchives(std::vector<ArchiveFile>& archives, BackupColumn column, bool descending) {
  std::sort(archives.begin(), archives.end(), [&](const ArchiveFile& a, const ArchiveFile& b) {
    int order = column == BackupColumn::kDate ? CompareDates(a, b) : CompareNames(a.name, b.name);
    if (order == 0) order = a.name < b.name ? -1 : (a.name > b.name ? 1 : 0);
    return descending ? order > 0 : order < 0;
  });
}

std::string DateTimeText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace orvanta
