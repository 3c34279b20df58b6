#include "app/en_pass_form.h"

#include "app/typed_text.h"

namespace orvanta {

TEnPassForm::TEnPassForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

bool TEnPassForm::PasswordSet() const { return !app_.data.global.entry_password.Empty(); }

void TEnPassForm::Edit1Change(const std::string& text) {
  typed_ = UpperCasedField(text, kPasswordLength);
}

bool TEnPassForm::CommandsEnabled() const {
  return !PasswordSet() || typed_ == app_.data.global.entry_password.Text();
}

bool TEnPassForm::CheckBox1() const { return app_.data.global.no_password_prompt; }

void TEnPassForm::CheckBox1Click(bool checked) {
  if (CommandsEnabled()) app_.data.global.no_password_prompt = checked;
}

void TEnPassForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  if (CommandsEnabled()) Close(ScreenResult::kOk);
}

void TEnPassForm::ChangeBtnClick() {
  LogClick("Değiştir", "ChangeBtn");
  if (CommandsEnabled()) app_.ShowScreen(ScreenId::kEntryPasswordEdit);
}

}  // namespace orvanta
