#pragma once

// The window of the warning dialog "UYARI": the message in a read-only text area, "Tamam" and
// "İptal". Enter presses "Tamam", Escape presses "İptal" (each only while enabled).

#include <QDialog>

#include "app/warning_form.h"

namespace orvanta::gui {

class WarningDialog : public QDialog {
  Q_OBJECT

 public:
  // model must outlive the dialog.
  WarningDialog(TWarningForm& model, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void AfterCommand();

  TWarningForm& model_;
};

}  // namespace orvanta::gui
