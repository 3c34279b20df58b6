#pragma once

// The backup screen's file list lvFile as a grid: a title row whose cells sort the list when
// clicked, and one row per archive, the selected one highlighted.

#include <functional>
#include <utility>

#include "app/backup_form.h"
#include "screens/grid_model.h"

namespace orvanta::gui {

class BackupFileGrid : public screens::GridModel {
 public:
  // model must outlive the grid. on_change runs after a click changed the order or the
  // selection (the screen shows the buttons that depend on them).
  BackupFileGrid(TBackupForm& model, std::function<void()> on_change)
      : model_(model), on_change_(std::move(on_change)) {}

  int RowCount() const override { return model_.FileCount() + 1; }
  int ColumnCount() const override { return TBackupForm::kColumnCount; }
  int ColumnWidth(int column) const override { return column == 0 ? 120 : 170; }
  void FillCell(int row, int column, screens::GridCell& cell) const override {
    cell.lines.push_back(model_.Cell(column, row));
    cell.selected = row > 0 && row == model_.selected_row();
  }
  screens::GridPos FocusCell() const override {
    if (model_.selected_row() < 1) return {};
    return {model_.selected_row(), 0};
  }
  void SelectCell(screens::GridPos pos) override {
    model_.lvFileClick(pos.row);
    Changed();
  }
  void Clicked(screens::GridPos pos, screens::GridButton button) override {
    if (pos.row != 0 || button != screens::GridButton::kLeft) return;
    model_.lvFileColumnClick(pos.column);
    Changed();
  }

 private:
  void Changed() {
    NotifyChanged();
    if (on_change_) on_change_();
  }

  TBackupForm& model_;
  std::function<void()> on_change_;
};

}  // namespace orvanta::gui
