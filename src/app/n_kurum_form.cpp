#include "app/n_kurum_form.h"

#include "data/program_set_io.h"

namespace orvanta {

TNKurumForm::TNKurumForm(AppContext& app)
    : ModalScreen(app, kFormName, kCaption), code_(app.data.global.institution_code.Text()) {}

void TNKurumForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  app_.data.global.institution_code.SetText(code_);
  WriteGlobalRecord(app_.data);
  Close(ScreenResult::kOk);
}

void TNKurumForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
