#pragma once

// The one owner-drawn grid of the desktop program. It shows any screens::GridModel: fixed title
// rows and columns that stay in place while the rest scrolls, cells of one or more text lines,
// and the model's colours, markers and focus frame. Only the visible cells are asked for and
// painted, so a grid of thousands of rows costs what its window shows.

#include <QAbstractScrollArea>
#include <vector>

#include "screens/grid_model.h"

namespace orvanta::gui {

class ModelGridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ModelGridWidget(QWidget* parent = nullptr);
  ~ModelGridWidget() override;

  // The model is not owned and must stay alive while it is set; SetModel(nullptr) releases it.
  void SetModel(screens::GridModel* model);
  screens::GridModel* model() const { return model_; }

  // Re-reads sizes and cells; the model's change notification calls it too.
  void Refresh();

  // Where a cell is drawn in viewport coordinates (after scrolling); empty when it is hidden
  // behind the fixed cells or outside the grid.
  QRect CellRect(screens::GridPos pos) const;
  // The cell under a viewport point; invalid when there is none.
  screens::GridPos CellAt(QPoint point) const;
  // Scrolls so that pos is not hidden behind the fixed cells or beyond the window.
  void ScrollTo(screens::GridPos pos);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Offsets of the grid lines: edges[i] is where row or column i starts, edges.back() the end.
  struct Axis {
    std::vector<int> edges;
    int fixed_count = 0;
    int FixedExtent() const { return edges[fixed_count]; }
    int Total() const { return edges.back(); }
    int Count() const { return static_cast<int>(edges.size()) - 1; }
    // The index whose span holds offset; -1 beyond the end.
    int IndexAt(int offset) const;
  };

  void Relayout();
  void UpdateScrollBars();
  int RowHeight(int lines) const;
  // Viewport position of a grid offset on one axis, honouring the scroll for non-fixed cells.
  int ViewX(int column) const;
  int ViewY(int row) const;
  void PaintRegion(QPainter& painter, int first_row, int last_row, int first_column,
                   int last_column);
  void PaintCell(QPainter& painter, const QRect& rect, screens::GridPos pos);
  void MoveFocus(screens::GridKey key);

  screens::GridModel* model_ = nullptr;
  Axis rows_;
  Axis columns_;
  screens::GridCell cell_;  // reused for every painted cell
};

}  // namespace orvanta::gui
