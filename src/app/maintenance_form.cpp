#include "app/maintenance_form.h"

namespace orvanta {

void TMaintenanceForm::FormActivate() {
  PresetResult(ScreenResult::kCancel);
  choice_.reset();
}

std::string TMaintenanceForm::Question(MaintenanceChoice choice) {
  return "\"" + std::string(MaintenanceCaption(choice)) +
         "\" işlemi yapılacak!\n\nDevam etmek istiyormusunuz?";
}

void TMaintenanceForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  if (!OkBtnEnabled() || !app_.ui.Confirm(Question(*choice_))) return;
  app_.log.Write(kFormName, "OkBtnClick", MaintenanceCaption(*choice_));
  SetMaintenance(app_.data, *choice_, app_.hooks.automatic_backup);
  Close(ScreenResult::kOk);
}

void TMaintenanceForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
