#pragma once

// The windows of the entry password dialog "KULLANICI ŞİFRESİ" and of the change dialog
// "ŞİFRE DEĞİŞTİR".

#include "app/en_pass_edit_form.h"
#include "app/en_pass_form.h"
#include "gui/modal_screen_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvanta::gui {

class EnPassFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  EnPassFormView(TEnPassForm& model, AppContext& app, QWidget* parent);

 protected:
  void Refresh() override;

 private:
  TEnPassForm& model_;
  QWidget* first_use_instructions_;
  QLabel* password_instruction_;
  QLineEdit* password_;
  QCheckBox* no_prompt_;
  QAbstractButton* ok_button_;
  QAbstractButton* change_button_;
};

class EnPassEditFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  EnPassEditFormView(TEnPassEditForm& model, AppContext& app, QWidget* parent);

 protected:
  void Refresh() override;

 private:
  TEnPassEditForm& model_;
  QLineEdit* new_password_;
  QLineEdit* repeat_;
  QAbstractButton* ok_button_;
};

}  // namespace orvanta::gui
