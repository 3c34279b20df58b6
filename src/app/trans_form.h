#pragma once

// The interchange import screen "ÇEVİR": brings the previous generation's data into the open,
// empty program set, from an old archive the user picks or from the old default data folder.
// The screen closes with OK after every import, also a failed one, so that the main screen opens
// again whatever was saved.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/modal_screen.h"

namespace orvanta {

class TTransForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TTransForm";
  static constexpr const char* kCaption = "ÇEVİR";
  static constexpr int kClientWidth = 395;
  static constexpr int kClientHeight = 170;
  static constexpr int kTypedNameLength = 12;  // characters the user may type into Edit1
  static constexpr const char* kFileFilter = "zip dosyası|*.zip";

  // The file chooser: shows it with the filter (description|pattern) and returns the full name of
  // the chosen file, or nullopt when the user cancelled.
  using FileChooser = std::function<std::optional<std::string>(std::string_view filter)>;

  TTransForm(AppContext& app, FileChooser choose_file)
      : ModalScreen(app, kFormName, kCaption), choose_file_(std::move(choose_file)) {}

  // "Dosya Adı": typing cannot make the text longer than kTypedNameLength characters (or than
  // the longer path the chooser put in).
  const std::string& Edit1() const { return file_name_; }
  void Edit1Change(const std::string& text);

  // "Bul": the chosen file's full name goes into the field.
  void OpenBtnClick();

  // "Çevir": with a file name, the old archive is unpacked into the open set and imported; without
  // one, the old default data folder is imported. Save all follows, then the screen closes with
  // OK. What the import noted (missing files, records left out) is logged and shown in one
  // message. Throws what the import or the save threw, after the screen has been closed.
  // Nothing happens when the set is not empty (the main screen offers the import only then).
  void OkBtnClick();
  void CancelBtnClick();

 private:
  void Import();

  FileChooser choose_file_;
  std::string file_name_;
};

}  // namespace orvanta
