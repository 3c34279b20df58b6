#include "app/backup_form.h"

#include <algorithm>
#include <system_error>

#include "app/typed_text.h"
#include "data/archive/make_archive.h"
#include "data/archive/named_backup.h"
#include "data/archive/restore_archive.h"
#include "data/io_error.h"
#include "log/utf8_path.h"

namespace orvanta {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "\"" + PathText(path) + "\""; }

void DeleteArchiveFile(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::remove(file, error)) return;
  const std::string reason = error ? error.message() : "dosya bulunamadı";
  throw IoError("Yedek silinemedi: " + PathText(file) + " (" + reason + ")", file);
}

}  // namespace

TBackupForm::TBackupForm(AppContext& app, std::filesystem::path desktop_folder,
                         PaySnapshotsOpener open_pay_snapshots)
    : ModalScreen(app, kFormName, kCaption),
      desktop_folder_(std::move(desktop_folder)),
      open_pay_snapshots_(std::move(open_pay_snapshots)) {}

void TBackupForm::FormActivate() {
  PresetResult(ScreenResult::kCancel);
  DirectoryListBox1Change(app_.data.set_folder);
}

void TBackupForm::DirectoryListBox1Change(const std::filesystem::path& folder) {
  folder_ = folder;
  ListFolder();
}

void TBackupForm::ListFolder() {
  files_.clear();
  selected_.clear();
  sort_column_ = BackupColumn::kDate;
  descending_ = true;
  files_ = ListArchives(folder_);
  SortArchives(files_, sort_column_, descending_);
  if (!files_.empty()) selected_ = files_.front().path;
}

std::string TBackupForm::Cell(int column, int row) const {
  if (row == 0) return column == 0 ? "Kayıt Tarihi" : "Dosya Ismi";
  if (row < 1 || row > FileCount()) return {};
  const ArchiveFile& file = files_[row - 1];
  return column == 0 ? DateTimeText(file.modified) : file.name;
}

void TBackupForm::lvFileColumnClick(int column) {
  const auto clicked = column == 0 ? BackupColumn::kDate : BackupColumn::kName;
  descending_ = clicked == sort_column_ ? !descending_ : true;
  sort_column_ = clicked;
  SortArchives(files_, sort_column_, descending_);
}

void TBackupForm::lvFileClick(int row) {
  if (row >= 1 && row <= FileCount()) selected_ = files_[row - 1].path;
}

int TBackupForm::selected_row() const {
  const auto found = std::find_if(files_.begin(), files_.end(),
                                  [&](const ArchiveFile& file) { return file.path == selected_; });
  return found == files_.end() ? 0 : static_cast<int>(found - files_.begin()) + 1;
}

void TBackupForm::Edit1Change(const std::string& text) {
  std::string name = text;
  std::erase_if(name, [](char c) { return c == '/' || c == '\\'; });
  name_ = FirstCharacters(name, kNameLength);
}

void TBackupForm::Backup(const std::filesystem::path& archive, const char* handler,
                         const std::function<void()>& make) {
  app_.log.Write(kFormName, handler, "Veriler " + Quoted(archive) + " konumuna yedeklenecek!");
  make();
  app_.log.Write(kFormName, handler, "Veriler yedeklendi.");
}

void TBackupForm::Restore(const std::filesystem::path& archive, const char* handler) {
  app_.log.Write(kFormName, handler, "Veriler " + Quoted(archive) + " konumundan geri yüklenecek!");
  RestoreArchive(app_.data.set_folder, archive);
  app_.log.Write(kFormName, handler, "Veriler geri yüklendi.");
  PresetResult(ScreenResult::kOk);
  // The lists and the option record in memory still hold the data from before the restore; a
  // backup by name made next would otherwise write that option record over the restored one.
  app_.OpenProgramSet();
  app_.ui.ShowMessage(kRestoreDoneMessage);
}

void TBackupForm::btnSaveClick() {
  LogClick("Kaydet", "btnSave");
  if (!btnSaveEnabled() || !IsValidBackupName(name_)) return;
  Backup(folder_ / log::PathFromUtf8(name_ + ".zip"), "btnSaveClick",
         [&] { MakeNamedArchive(app_.data, folder_, name_); });
  ListFolder();
  name_.clear();
}

void TBackupForm::btnUndoClick() {
  LogClick("Geri Al", "btnUndo");
  if (btnUndoEnabled()) Restore(selected_, "btnUndoClick");
}

void TBackupForm::btnDelClick() {
  LogClick("Sil", "btnDel");
  if (!btnDelEnabled()) return;
  const std::string question = Quoted(selected_) + " konumundaki yedek silinecek!";
  if (!app_.ui.Confirm(question + "\n\nDevam etmek istiyormusunuz?")) return;
  app_.log.Write(kFormName, "btnDelClick", question);
  DeleteArchiveFile(selected_);
  app_.log.Write(kFormName, "btnDelClick", "Yedek silindi.");
  ListFolder();
}

std::filesystem::path TBackupForm::DesktopArchive() const {
  std::string name = name_;
  if (name.empty()) {
    const ProgType* first_set = app_.data.progs.Find(1);
    if (first_set != nullptr) name = first_set->Kurum_Kodu.Text();
  }
  return desktop_folder_ / log::PathFromUtf8(name + ".zip");
}

void TBackupForm::btnBackupDesktopClick() {
  LogClick("Masaüstüne Yedek Al", "btnBackupDesktop");
  const std::filesystem::path archive = DesktopArchive();
  Backup(archive, "btnBackupDesktopClick", [&] { MakeArchive(app_.data.set_folder, archive); });
  ListFolder();
}

void TBackupForm::btnUndoDesktopClick() {
  LogClick("Masaüstünden Geri Al", "btnUndoDesktop");
  Restore(DesktopArchive(), "btnUndoDesktopClick");
}

void TBackupForm::PlBtnClick() {
  LogClick("Program Al'a Gönder", "PlBtn");
  if (!PlBtnEnabled()) return;
  if (!open_pay_snapshots_) return app_.ui.ShowMessage(kNotYetAvailableMessage);
  open_pay_snapshots_(selected_);
  PresetResult(ScreenResult::kOk);
}

void TBackupForm::HelpBtnClick() {
  LogClick("Yardım", "HelpBtn");
  // The maker's help address for this screen is not settled yet.
  app_.ui.ShowMessage(kNotYetAvailableMessage);
}

void TBackupForm::btnCloseClick() {
  LogClick("Kapat", "btnClose");
  Close(result());
}

}  // namespace orvanta
