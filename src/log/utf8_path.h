#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta::log {

// The program's texts are UTF-8; paths are built from them and named in them through these two,
// so that Windows sees the right wide-character file names.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace orvanta::log
