#pragma once

// The backup screen "YEDEKLEME VE YEDEKTEN GERİ ALMA": archives of the open set made by name into
// a chosen folder or onto the desktop, restored from there, deleted, or handed to the pay
// snapshots screen. The main screen saves all before it opens the screen and activates again
// when it closes with OK, which it does after any restore.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/backup_file_list.h"
#include "app/modal_screen.h"

namespace orvanta {

inline constexpr const char* kBackupNameHint =
    "Yedekleme yapmak için dosya adını yazıp Kaydet'e tıklayın";
inline constexpr const char* kRestoreDoneMessage = "Geri alma işlemi tamamlanmıştır.";

class TBackupForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TBackupForm";
  static constexpr const char* kCaption = "YEDEKLEME VE YEDEKTEN GERİ ALMA";
  static constexpr int kClientWidth = 560;
  static constexpr int kClientHeight = 395;
  static constexpr int kNameLength = 30;  // characters of Edit1

  // Shows the pay snapshots screen with the archive as its file and returns how it closed. Empty
  // while this build has no such screen; "Program Al'a Gönder" then says the function is not
  // available.
  using PaySnapshotsOpener = std::function<ScreenResult(const std::filesystem::path& archive)>;

  // desktop_folder is the user's desktop, where the desktop commands write and read.
  TBackupForm(AppContext& app, std::filesystem::path desktop_folder,
              PaySnapshotsOpener open_pay_snapshots = {});

  // Presets the result to cancel and lists the open set's folder. Throws IoError (see
  // DirectoryListBox1Change).
  void FormActivate();

  // The folder chooser: the drive or the folder changed. Lists the folder's "*.zip" files newest
  // first and selects the first row. Throws IoError when the folder cannot be listed; the list is
  // then empty.
  void DirectoryListBox1Change(const std::filesystem::path& folder);
  const std::filesystem::path& folder() const { return folder_; }

  // lvFile: row 0 holds the titles "Kayıt Tarihi" and "Dosya Ismi", rows 1..FileCount() the
  // files.
  static constexpr int kColumnCount = 2;
  int FileCount() const { return static_cast<int>(files_.size()); }
  std::string Cell(int column, int row) const;
  // Sorts by the column; the same column again reverses the order. The selection stays on its
  // file.
  void lvFileColumnClick(int column);
  BackupColumn sort_column() const { return sort_column_; }
  bool sort_descending() const { return descending_; }
  // Row 1..FileCount() becomes the selected archive; other rows are ignored.
  void lvFileClick(int row);
  int selected_row() const;  // 0 when no archive is selected
  // Empty when none is selected.
  const std::filesystem::path& selected_archive() const { return selected_; }

  // Edit1 keeps the typed text without "/" and "\" (they would name another folder), cut to
  // kNameLength characters.
  const std::string& Edit1() const { return name_; }
  void Edit1Change(const std::string& text);

  bool btnSaveEnabled() const { return !name_.empty(); }
  bool btnUndoEnabled() const { return !selected_.empty(); }
  bool btnDelEnabled() const { return !selected_.empty(); }
  bool PlBtnEnabled() const { return !selected_.empty(); }

  // Every command below throws IoError (DamagedArchiveError for an archive that cannot be
  // restored, in which case the set's files are unchanged). Disabled commands do nothing.

  // The name as the last backup name, then the archive folder()/name.zip; lists the folder
  // again and clears the name.
  void btnSaveClick();
  // Restores the selected archive into the open set and reads the set again, so that what the
  // screen does next works on the restored data; the result becomes OK.
  void btnUndoClick();
  // Asks before deleting the selected archive; lists the folder again.
  void btnDelClick();
  // The archive desktop/NAME.zip, NAME being the name field or else the institution code.
  void btnBackupDesktopClick();
  void btnUndoDesktopClick();
  void PlBtnClick();
  void HelpBtnClick();
  void btnCloseClick();

 private:
  void ListFolder();
  void Restore(const std::filesystem::path& archive, const char* handler);
  void Backup(const std::filesystem::path& archive, const char* handler,
              const std::function<void()>& make);
  std::filesystem::path DesktopArchive() const;

  std::filesystem::path desktop_folder_;
  PaySnapshotsOpener open_pay_snapshots_;
  std::filesystem::path folder_;
  std::vector<ArchiveFile> files_;
  BackupColumn sort_column_ = BackupColumn::kDate;
  bool descending_ = true;
  std::filesystem::path selected_;
  std::string name_;
};

}  // namespace orvanta
