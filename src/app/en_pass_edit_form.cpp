#include "app/en_pass_edit_form.h"

#include "app/en_pass_form.h"
#include "app/typed_text.h"
#include "data/program_set_io.h"

namespace orvanta {

void TEnPassEditForm::NewPasswordChange(const std::string& text) {
  new_password_ = UpperCasedField(text, kPasswordLength);
}

void TEnPassEditForm::RepeatChange(const std::string& text) {
  repeat_ = UpperCasedField(text, kPasswordLength);
}

void TEnPassEditForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  if (!OkBtnEnabled()) return;
  app_.data.global.entry_password.SetText(new_password_);
  WriteGlobalRecord(app_.data);
  Close(ScreenResult::kOk);
}

void TEnPassEditForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
