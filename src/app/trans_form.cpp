#include "app/trans_form.h"

#include <algorithm>
#include <exception>

#include "app/typed_text.h"
#include "data/archive/v2_import.h"
#include "log/utf8_path.h"

namespace orvanta {

namespace {

size_t CharacterCount(std::string_view utf8) {
  size_t count = 0;
  for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

}  // namespace

void TTransForm::Edit1Change(const std::string& text) {
  // Like a field of limited length: typing cannot make the text longer than the limit, but a
  // longer path from the chooser may be edited down.
  const size_t limit = std::max<size_t>(kTypedNameLength, CharacterCount(file_name_));
  file_name_ = FirstCharacters(text, limit);
}

void TTransForm::OpenBtnClick() {
  LogClick("Bul", "OpenBtn");
  if (std::optional<std::string> chosen = choose_file_(kFileFilter)) file_name_ = *chosen;
}

void TTransForm::OkBtnClick() {
  LogClick("Çevir", "OkBtn");
  if (!IsEmptyForImport(app_.data)) return;
  // However the import ends, the main screen must open again what was saved.
  Close(ScreenResult::kOk);
  std::exception_ptr import_error;
  try {
    Import();
  } catch (...) {
    import_error = std::current_exception();
  }
  app_.SaveAll();
  if (import_error) std::rethrow_exception(import_error);
}

void TTransForm::Import() {
  const ImportReport report =
      file_name_.empty()
          ? ImportV2(app_.data, DefaultOldDataFolder(app_.data.paths), app_.hooks.automatic_backup)
          : ImportV2Archive(app_.data, log::PathFromUtf8(file_name_), app_.hooks.automatic_backup);
  if (report.notes.empty()) return;
  std::string text;
  for (const std::string& note : report.notes) {
    app_.log.Write(kFormName, "OkBtnClick", note);
    text += (text.empty() ? "" : "\n") + note;
  }
  app_.ui.ShowMessage(text);
}

void TTransForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
