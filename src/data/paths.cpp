#include "data/paths.h"

#include "data/turkish_text.h"

namespace orvanta {

DataPaths::DataPaths(std::filesystem::path root)
    : drive_root(std::move(root)),
      maker_folder(drive_root / "Quillen"),
      data_root(maker_folder / "Orvanta"),
      work_folder(data_root / "tmp"),
      pay_root(maker_folder / "Tessaro") {}

std::filesystem::path DataPaths::SetFolder(int set_no) const {
  return data_root / LeadingZeros(set_no, 2);
}

std::filesystem::path DataPaths::PayFolder(int school_year) const {
  return pay_root / std::to_string(school_year);
}

// The sibling product keeps its teacher file in a folder of a fixed year.
std::filesystem::path DataPaths::SiblingTeacherFile() const {
  return pay_root / "2013" / "teacher.ts2";
}

std::filesystem::path BackupFolder(const std::filesystem::path& set_folder) {
  return set_folder / "yedekler";
}

std::filesystem::path BackupScratchFolder(const std::filesystem::path& set_folder) {
  return BackupFolder(set_folder) / "temp";
}

}  // namespace orvanta
