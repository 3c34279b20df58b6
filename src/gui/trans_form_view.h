#pragma once

// The window of the interchange import screen "ÇEVİR": the old archive's name, "Bul", "Çevir"
// and "İptal".

#include "app/trans_form.h"
#include "gui/modal_screen_dialog.h"

class QLineEdit;

namespace orvanta::gui {

class TransFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  TransFormView(TTransForm& model, AppContext& app, QWidget* parent);

  // The file chooser the screen's model asks for the old archive: a file dialog over the window
  // that is open at the time.
  static TTransForm::FileChooser FileDialog();

 protected:
  void Refresh() override;

 private:
  TTransForm& model_;
  QLineEdit* file_name_;
};

}  // namespace orvanta::gui
