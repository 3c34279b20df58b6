#pragma once

// The window of the copy screen "PROGRAM KOPYALA".

#include "app/prog_copy_form.h"
#include "gui/modal_screen_dialog.h"
#include "gui/row_list_grid.h"

class QLabel;

namespace orvanta::gui {

class ModelGridWidget;

class ProgCopyFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  ProgCopyFormView(TProgCopyForm& model, AppContext& app, QWidget* parent);
  // The grid lets go of its model, which goes before the grid widget does.
  ~ProgCopyFormView() override;

 protected:
  void Activate() override;
  void Refresh() override;

 private:
  TProgCopyForm& model_;
  RowListGrid<TProgCopyForm> grid_model_;
  ModelGridWidget* grid_;
  QLabel* source_label_;
  QLabel* destination_label_;
  QAbstractButton* ok_button_;
};

}  // namespace orvanta::gui
