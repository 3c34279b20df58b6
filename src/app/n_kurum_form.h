#pragma once

// The institution-code dialog "OKUL KURUM KODU", for the installation's institution code in the
// global record.

#include <string>

#include "app/modal_screen.h"

namespace orvanta {

class TNKurumForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TNKurumForm";
  static constexpr const char* kCaption = "OKUL KURUM KODU";
  static constexpr const char* kCodeLabel = "Kurum Kodu";

  // Shows the institution code of the global record.
  explicit TNKurumForm(AppContext& app);

  const std::string& kr_ed() const { return code_; }
  void kr_edChange(const std::string& text) { code_ = text; }

  // Stores the code (12 characters kept), writes the global record, closes with OK. Throws
  // IoError.
  void OkBtnClick();
  void CancelBtnClick();

 private:
  std::string code_;
};

}  // namespace orvanta
