#pragma once

// The entry password dialog "KULLANICI ŞİFRESİ". With a password set, every command waits until
// the typed text equals it; "Değiştir" opens the change dialog.

#include <string>

#include "app/modal_screen.h"

namespace orvanta {

// Entry passwords are at most this many characters, typed upper-cased by the Turkish rule.
inline constexpr int kPasswordLength = 6;

class TEnPassForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TEnPassForm";
  static constexpr const char* kCaption = "KULLANICI ŞİFRESİ";
  static constexpr const char* kPasswordLabel = "Şifreniz";
  static constexpr const char* kNoPromptCaption = "Girişte Şifre Sorma";
  static constexpr const char* kPasswordInstruction = "Programa girmek için şifrenizi giriniz.";

  explicit TEnPassForm(AppContext& app);

  bool PasswordSet() const;
  // Edit1, masked; kept upper-cased and cut to kPasswordLength.
  const std::string& Edit1() const { return typed_; }
  void Edit1Change(const std::string& text);

  // "Tamam", "Değiştir" and "Girişte Şifre Sorma": always without a password, otherwise only
  // while the typed text equals it.
  bool CommandsEnabled() const;
  // The no-password instruction labels are shown; otherwise the single kPasswordInstruction.
  bool ShowsFirstUseInstructions() const { return !PasswordSet(); }

  bool CheckBox1() const;
  void CheckBox1Click(bool checked);  // the global record's no-prompt flag; nothing while disabled

  void OkBtnClick();      // closes with OK; nothing while disabled
  void ChangeBtnClick();  // opens the change dialog; nothing while disabled

 private:
  std::string typed_;
};

}  // namespace orvanta
