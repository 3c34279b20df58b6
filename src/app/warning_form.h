#pragma once

// The warning dialog "UYARI" through which every message and confirmation is shown: one
// read-only text, "Tamam" (OK) and "İptal" (cancel). The desktop program's UserInterface shows
// one of these for ShowMessage and Confirm.

#include <string>

#include "app/user_interface.h"

namespace orvanta {

class TWarningForm {
 public:
  static constexpr const char* kFormName = "TWarningForm";
  static constexpr const char* kCaption = "UYARI";

  enum class Use {
    kMessage,       // "İptal" disabled while the message is shown
    kConfirmation,  // both buttons
  };

  TWarningForm(std::string text, Use use) : text_(std::move(text)), use_(use) {}

  const std::string& text() const { return text_; }
  bool ok_enabled() const { return true; }
  bool cancel_enabled() const { return use_ == Use::kConfirmation; }

  void OkBtnClick() { Close(ScreenResult::kOk); }
  void CancelBtnClick() {
    if (cancel_enabled()) Close(ScreenResult::kCancel);
  }
  // Enter presses "Tamam", Escape presses "İptal" (each only while enabled).
  void KeyEnter() { OkBtnClick(); }
  void KeyEscape() { CancelBtnClick(); }

  bool closed() const { return closed_; }
  // Cancel until "Tamam" was pressed; also when the window was closed any other way.
  ScreenResult result() const { return result_; }
  // The answer to a confirmation.
  bool Confirmed() const { return result_ == ScreenResult::kOk; }

 private:
  void Close(ScreenResult result) {
    result_ = result;
    closed_ = true;
  }

  std::string text_;
  Use use_;
  ScreenResult result_ = ScreenResult::kCancel;
  bool closed_ = false;
};

}  // namespace orvanta
