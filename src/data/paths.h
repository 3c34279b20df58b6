#pragma once

// Where the files of the system live, all below one drive root (on Windows the drive of the
// working folder; elsewhere the user's home folder unless the program is given --root). Every
// folder is spelled one way here.

#include <filesystem>

namespace orvanta {

struct DataPaths {
  explicit DataPaths(std::filesystem::path drive_root);

  std::filesystem::path drive_root;
  std::filesystem::path maker_folder;  // global.prg
  std::filesystem::path data_root;     // prog.prg and one folder per program set
  std::filesystem::path work_folder;   // archives unpacked for comparison
  std::filesystem::path pay_root;      // the sibling pay product's folder

  std::filesystem::path SetFolder(int set_no) const;  // "01", "12", "123"
  std::filesystem::path PayFolder(int school_year) const;
  std::filesystem::path SiblingTeacherFile() const;
};

std::filesystem::path BackupFolder(const std::filesystem::path& set_folder);
std::filesystem::path BackupScratchFolder(const std::filesystem::path& set_folder);

// The platform's default drive root.
std::filesystem::path DefaultDriveRoot();

}  // namespace orvanta
