#pragma once

// The window of the program-set screen "PROGRAMLAR".

#include "app/prog_form.h"
#include "gui/modal_screen_dialog.h"
#include "gui/row_list_grid.h"

class QLineEdit;
class QWidget;

namespace orvanta::gui {

class ModelGridWidget;

class ProgFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  ProgFormView(TProgForm& model, AppContext& app, QWidget* parent);
  // The grid lets go of its model, which goes before the grid widget does.
  ~ProgFormView() override;

 protected:
  void Activate() override;
  void Refresh() override;

 private:
  TProgForm& model_;
  RowListGrid<TProgForm> grid_model_;
  ModelGridWidget* grid_;
  QWidget* insert_panel_;
  QLineEdit* name_field_;
  QAbstractButton* edit_button_;
  QAbstractButton* delete_button_;
  QAbstractButton* save_button_;
};

}  // namespace orvanta::gui
