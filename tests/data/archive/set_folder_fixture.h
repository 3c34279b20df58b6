#pragma once

// A program-set folder holding the seven record files of an archive, with recognisable bytes.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "data/archive/archive_test_files.h"

namespace orvanta::testing {

class SetFolderTest : public ::testing::Test {
 protected:
  // The seven files in archive order with the sizes of a small school; duty.prg is larger than
  // one restore piece of 1,000,000 bytes.
  struct SetFile {
    const char* name;
    size_t size;
  };
  static std::vector<SetFile> SetFiles() {
    return {{"option.prg", 5976},    {"lesson.prg", 2 * 292}, {"clss.prg", 1364},
            {"room.prg", 2 * 1376},  {"teacher.prg", 7060},   {"common.prg", 3 * 2764},
            {"duty.prg", 50 * 24380}};
  }

  void SetUp() override {
    int seed = 0;
    for (const SetFile& file : SetFiles()) WriteSetFile(file.name, Pattern(file.size, ++seed));
  }

  void WriteSetFile(const std::string& name, const std::string& bytes) {
    WriteBytes(folder_.path() / name, bytes);
  }
  std::string SetFileBytes(const std::string& name) const {
    return ReadBytes(folder_.path() / name);
  }

  // The content an archive of the folder must hold: the header, then the seven files.
  std::string ExpectedContent() const {
    std::vector<int32_t> sizes;
    std::string files;
    for (const SetFile& file : SetFiles()) {
      const std::string bytes = SetFileBytes(file.name);
      sizes.push_back(static_cast<int32_t>(bytes.size()));
      files += bytes;
    }
    return SizeHeader(sizes) + files;
  }

  std::map<std::string, std::string> Content() const { return FolderContent(folder_.path()); }

  const std::filesystem::path& folder() const { return folder_.path(); }

  TempDir folder_;
  TempDir elsewhere_;  // where archives are kept
};

}  // namespace orvanta::testing
