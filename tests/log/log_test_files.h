#pragma once

// Folders and file readers shared by the log tests.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "data/clock.h"

namespace orvanta::log::testing {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ =
        std::filesystem::temp_directory_path() /
        ("orvanta_log_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text of UTF-16 little-endian bytes; an odd last byte is ignored.
inline std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  return text;
}

// The lines of a text, each with its CR LF; a last piece without one is a line too.
template <typename Char>
std::vector<std::basic_string<Char>> SplitLines(std::basic_string_view<Char> text) {
  std::vector<std::basic_string<Char>> lines;
  while (!text.empty()) {
    std::size_t end = text.find(Char('\n'));
    end = end == text.npos ? text.size() : end + 1;
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return lines;
}

inline std::vector<std::u16string> Utf16LeLines(const std::filesystem::path& file) {
  const std::u16string text = DecodeUtf16Le(ReadBytes(file));
  return SplitLines<char16_t>(text);
}

inline std::vector<std::string> ByteLines(const std::filesystem::path& file) {
  const std::string text = ReadBytes(file);
  return SplitLines<char>(text);
}

// An ASCII text widened character by character.
inline std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// 09.12.2026 03:43:26.123, the time of the example line.
inline LocalDateTime ExampleTime() { return {2026, 12, 9, 3, 43, 26, 123}; }

}  // namespace orvanta::log::testing
