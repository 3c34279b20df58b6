#pragma once

// The window of the institution-code dialog "OKUL KURUM KODU".

#include "app/n_kurum_form.h"
#include "gui/modal_screen_dialog.h"

class QLineEdit;

namespace orvanta::gui {

class NKurumFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  NKurumFormView(TNKurumForm& model, AppContext& app, QWidget* parent);

 protected:
  void Refresh() override;

 private:
  TNKurumForm& model_;
  QLineEdit* code_;
};

}  // namespace orvanta::gui
