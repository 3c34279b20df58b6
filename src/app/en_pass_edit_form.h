#pragma once

// The password change dialog "ŞİFRE DEĞİŞTİR": the new password twice; an empty one removes the
// password.

#include <string>

#include "app/modal_screen.h"

namespace orvanta {

class TEnPassEditForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TEnPassEditForm";
  static constexpr const char* kCaption = "ŞİFRE DEĞİŞTİR";
  static constexpr const char* kNewPasswordLabel = "Yeni Şifre";
  static constexpr const char* kRepeatLabel = "Yeni Şifre (tekrar)";

  explicit TEnPassEditForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

  // Both masked, kept upper-cased and cut to kPasswordLength.
  const std::string& NewPassword() const { return new_password_; }
  const std::string& Repeat() const { return repeat_; }
  void NewPasswordChange(const std::string& text);
  void RepeatChange(const std::string& text);

  bool OkBtnEnabled() const { return new_password_ == repeat_; }
  // Stores the new password in the global record, writes it and closes with OK. Nothing while
  // disabled. Throws IoError.
  void OkBtnClick();
  void CancelBtnClick();

 private:
  std::string new_password_;
  std::string repeat_;
};

}  // namespace orvanta
