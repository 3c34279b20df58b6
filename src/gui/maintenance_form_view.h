#pragma once

// The window of the file maintenance screen "DOSYA BAKIMI": the six choices and "Tamam",
// "İptal".

#include "app/maintenance_form.h"
#include "gui/modal_screen_dialog.h"

class QButtonGroup;

namespace orvanta::gui {

class MaintenanceFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  MaintenanceFormView(TMaintenanceForm& model, AppContext& app, QWidget* parent);

 protected:
  void Activate() override;
  void Refresh() override;

 private:
  TMaintenanceForm& model_;
  QButtonGroup* choices_;
  QAbstractButton* ok_button_;
};

}  // namespace orvanta::gui
