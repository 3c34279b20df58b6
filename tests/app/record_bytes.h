#pragma once

// Reading fields of record files at their byte offsets, and listing the files below a folder.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace orvanta::testing {

inline int32_t Int32At(const std::string& bytes, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// A length-prefixed single-byte string at offset (ASCII texts in these tests).
inline std::string ShortStringAt(const std::string& bytes, size_t offset) {
  return bytes.substr(offset + 1, static_cast<unsigned char>(bytes[offset]));
}

// prog.prg: 176 bytes a record; No at 0, Name at 8, Current at 112, Kurum_Kodu at 160.
inline constexpr size_t kProgSize = 176;
inline int ProgNoAt(const std::string& prog, int record) {
  return Int32At(prog, record * kProgSize);
}
inline int ProgCurrentAt(const std::string& prog, int record) {
  return Int32At(prog, record * kProgSize + 112);
}

// Every file below folder with its bytes, by path relative to folder.
inline std::map<std::string, std::string> FilesBelow(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = std::filesystem::relative(entry.path(), folder).generic_string();
    files[name] = entry.is_regular_file() ? ReadBytes(entry.path()) : std::string("<folder>");
  }
  return files;
}

}  // namespace orvanta::testing
