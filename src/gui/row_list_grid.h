#pragma once

// A grid over a screen model that lists records one per row: row 0 holds the titles, column 0
// the row numbers, and the model keeps the selected row. The list screens share it.
//
// ListModel provides RowCount(), Cell(column, row) (UTF-8), SelectRow(row) and selected_row().

#include <functional>
#include <utility>
#include <vector>

#include "screens/grid_model.h"

namespace orvanta::gui {

template <typename ListModel>
class RowListGrid : public screens::GridModel {
 public:
  // model must outlive the grid. on_select runs after the user selected a row (the screen shows
  // what depends on the selection); on_double_click on a double click on a record row.
  RowListGrid(ListModel& model, std::vector<int> column_widths, std::function<void()> on_select,
              std::function<void()> on_double_click = {})
      : model_(model),
        column_widths_(std::move(column_widths)),
        on_select_(std::move(on_select)),
        on_double_click_(std::move(on_double_click)) {}

  int RowCount() const override { return model_.RowCount(); }
  int ColumnCount() const override { return static_cast<int>(column_widths_.size()); }
  int FixedColumnCount() const override { return 1; }
  int ColumnWidth(int column) const override { return column_widths_[column]; }
  void FillCell(int row, int column, screens::GridCell& cell) const override {
    cell.lines.push_back(model_.Cell(column, row));
    cell.selected = row > 0 && column > 0 && row == model_.selected_row();
  }
  screens::GridPos FocusCell() const override {
    if (model_.selected_row() < 1) return {};
    return {model_.selected_row(), 1};
  }
  void SelectCell(screens::GridPos pos) override {
    model_.SelectRow(pos.row);
    NotifyChanged();
    if (on_select_) on_select_();
  }
  void DoubleClicked(screens::GridPos pos) override {
    if (pos.row > 0 && pos.row == model_.selected_row() && on_double_click_) on_double_click_();
  }

 private:
  ListModel& model_;
  std::vector<int> column_widths_;
  std::function<void()> on_select_;
  std::function<void()> on_double_click_;
};

}  // namespace orvanta::gui
