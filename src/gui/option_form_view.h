#pragma once

// The window of the school settings screen "AYARLAR".

#include <array>

#include "app/option_form.h"
#include "gui/modal_screen_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace orvanta::gui {

class OptionFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  OptionFormView(TOptionForm& model, AppContext& app, QWidget* parent);

 protected:
  void Activate() override;
  void Refresh() override;

 private:
  QWidget* BuildFields();
  QWidget* BuildChoices();

  TOptionForm& model_;
  std::array<QLineEdit*, TOptionForm::kFieldCount> fields_{};
  std::array<QRadioButton*, TOptionForm::kAssignmentModes.size()> assignment_modes_{};
  QComboBox* connection_program_ = nullptr;
  QCheckBox* no_password_prompt_ = nullptr;
  QAbstractButton* ok_button_ = nullptr;
};

}  // namespace orvanta::gui
