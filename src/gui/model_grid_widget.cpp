#include "gui/model_grid_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>

#include "gui/grid_key_event.h"

namespace orvanta::gui {

namespace {

using screens::GridCell;
using screens::GridColor;
using screens::GridCorner;
using screens::GridKey;
using screens::GridPos;

constexpr int kTextPadding = 2;  // pixels between a cell's edge and its text
constexpr int kLineWidth = 1;    // the grid line at the right and bottom of every cell

QColor ToQColor(GridColor color, const QColor& fallback) {
  return color.is_set ? QColor(color.red, color.green, color.blue) : fallback;
}

Qt::Alignment ToQtAlignment(screens::GridAlign align) {
  switch (align) {
    case screens::GridAlign::kCenter:
      return Qt::AlignHCenter;
    case screens::GridAlign::kRight:
      return Qt::AlignRight;
    case screens::GridAlign::kLeft:
      break;
  }
  return Qt::AlignLeft;
}

QPolygon CornerTriangle(const QRect& cell, GridCorner corner, int size) {
  const QPoint top_left = cell.topLeft();
  const QPoint top_right(cell.right() + 1, cell.top());
  const QPoint bottom_left(cell.left(), cell.bottom() + 1);
  const QPoint bottom_right(cell.right() + 1, cell.bottom() + 1);
  switch (corner) {
    case GridCorner::kTopLeft:
      return QPolygon({top_left, top_left + QPoint(size, 0), top_left + QPoint(0, size)});
    case GridCorner::kTopRight:
      return QPolygon({top_right, top_right - QPoint(size, 0), top_right + QPoint(0, size)});
    case GridCorner::kBottomLeft:
      return QPolygon({bottom_left, bottom_left + QPoint(size, 0), bottom_left - QPoint(0, size)});
    case GridCorner::kBottomRight:
      break;
  }
  return QPolygon({bottom_right, bottom_right - QPoint(size, 0), bottom_right - QPoint(0, size)});
}

}  // namespace

int ModelGridWidget::Axis::IndexAt(int offset) const {
  if (offset < 0) return -1;
  const auto next = std::upper_bound(edges.begin(), edges.end(), offset);
  if (next == edges.end()) return -1;
  return static_cast<int>(next - edges.begin()) - 1;
}

ModelGridWidget::ModelGridWidget(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  rows_.edges = {0};
  columns_.edges = {0};
}

ModelGridWidget::~ModelGridWidget() { SetModel(nullptr); }

void ModelGridWidget::SetModel(screens::GridModel* model) {
  if (model_ != nullptr) model_->SetChangedListener(nullptr);
  model_ = model;
  if (model_ != nullptr) model_->SetChangedListener([this] { Refresh(); });
  Refresh();
}

void ModelGridWidget::Refresh() {
  Relayout();
  viewport()->update();
}

int ModelGridWidget::RowHeight(int lines) const {
  return std::max(lines, 1) * fontMetrics().lineSpacing() + 2 * kTextPadding + kLineWidth;
}

void ModelGridWidget::Relayout() {
  rows_.edges.assign(1, 0);
  columns_.edges.assign(1, 0);
  rows_.fixed_count = columns_.fixed_count = 0;
  if (model_ != nullptr) {
    const int row_count = std::max(model_->RowCount(), 0);
    const int column_count = std::max(model_->ColumnCount(), 0);
    const double scale = logicalDpiX() / 96.0;
    for (int row = 0; row < row_count; ++row) {
      rows_.edges.push_back(rows_.edges.back() + RowHeight(model_->RowLines(row)));
    }
    for (int column = 0; column < column_count; ++column) {
      const int width = static_cast<int>(model_->ColumnWidth(column) * scale + 0.5);
      columns_.edges.push_back(columns_.edges.back() + std::max(width, kLineWidth));
    }
    rows_.fixed_count = std::clamp(model_->FixedRowCount(), 0, row_count);
    columns_.fixed_count = std::clamp(model_->FixedColumnCount(), 0, column_count);
  }
  UpdateScrollBars();
}

void ModelGridWidget::UpdateScrollBars() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, columns_.Total() - view.width()));
  horizontalScrollBar()->setPageStep(std::max(1, view.width() - columns_.FixedExtent()));
  horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 4);
  verticalScrollBar()->setRange(0, std::max(0, rows_.Total() - view.height()));
  verticalScrollBar()->setPageStep(std::max(1, view.height() - rows_.FixedExtent()));
  verticalScrollBar()->setSingleStep(RowHeight(1));
}

int ModelGridWidget::ViewX(int column) const {
  const int x = columns_.edges[column];
  return column < columns_.fixed_count ? x : x - horizontalScrollBar()->value();
}

int ModelGridWidget::ViewY(int row) const {
  const int y = rows_.edges[row];
  return row < rows_.fixed_count ? y : y - verticalScrollBar()->value();
}

QRect ModelGridWidget::CellRect(GridPos pos) const {
  if (pos.row < 0 || pos.row >= rows_.Count() || pos.column < 0 || pos.column >= columns_.Count()) {
    return {};
  }
  const QRect rect(ViewX(pos.column), ViewY(pos.row),
                   columns_.edges[pos.column + 1] - columns_.edges[pos.column],
                   rows_.edges[pos.row + 1] - rows_.edges[pos.row]);
  QRect visible = viewport()->rect();
  if (pos.column >= columns_.fixed_count) visible.setLeft(columns_.FixedExtent());
  if (pos.row >= rows_.fixed_count) visible.setTop(rows_.FixedExtent());
  return rect.intersects(visible) ? rect : QRect();
}

GridPos ModelGridWidget::CellAt(QPoint point) const {
  if (point.x() < 0 || point.y() < 0) return {};
  const auto index_at = [](const Axis& axis, int view_offset, int scroll) {
    if (view_offset < axis.FixedExtent()) return axis.IndexAt(view_offset);
    return axis.IndexAt(view_offset + scroll);
  };
  const GridPos pos{index_at(rows_, point.y(), verticalScrollBar()->value()),
                    index_at(columns_, point.x(), horizontalScrollBar()->value())};
  return pos.IsValid() ? pos : GridPos{};
}

void ModelGridWidget::ScrollTo(GridPos pos) {
  const auto scroll_to = [](const Axis& axis, int index, int view_extent, QScrollBar* bar) {
    if (index < axis.fixed_count || index >= axis.Count()) return;
    const int start = axis.edges[index] - bar->value();
    const int end = axis.edges[index + 1] - bar->value();
    if (end > view_extent) bar->setValue(bar->value() + end - view_extent);
    if (start < axis.FixedExtent()) bar->setValue(axis.edges[index] - axis.FixedExtent());
  };
  scroll_to(rows_, pos.row, viewport()->height(), verticalScrollBar());
  scroll_to(columns_, pos.column, viewport()->width(), horizontalScrollBar());
}

QSize ModelGridWidget::sizeHint() const {
  const int frame = 2 * frameWidth();
  return QSize(std::min(columns_.Total(), 800) + frame, std::min(rows_.Total(), 600) + frame);
}

void ModelGridWidget::paintEvent(QPaintEvent* /*event*/) {
  if (model_ == nullptr || rows_.Count() == 0 || columns_.Count() == 0) return;
  QPainter painter(viewport());
  const QSize view = viewport()->size();
  // The scrolling cells that show between the fixed rows and columns and the window's edge.
  const auto visible_range = [](const Axis& axis, int scroll, int view_extent) {
    const int first = axis.IndexAt(axis.FixedExtent() + scroll);
    int last = axis.IndexAt(scroll + view_extent - 1);
    if (last < 0) last = axis.Count() - 1;
    return std::pair{first, last};
  };
  const auto [first_row, last_row] =
      visible_range(rows_, verticalScrollBar()->value(), view.height());
  const auto [first_column, last_column] =
      visible_range(columns_, horizontalScrollBar()->value(), view.width());
  const int fixed_rows = rows_.fixed_count;
  const int fixed_columns = columns_.fixed_count;
  const QRect scrolling_area(columns_.FixedExtent(), rows_.FixedExtent(), view.width(),
                             view.height());

  if (first_row >= 0 && first_column >= 0) {
    painter.setClipRect(scrolling_area);
    PaintRegion(painter, first_row, last_row, first_column, last_column);
  }
  if (first_row >= 0 && fixed_columns > 0) {
    painter.setClipRect(QRect(0, rows_.FixedExtent(), columns_.FixedExtent(), view.height()));
    PaintRegion(painter, first_row, last_row, 0, fixed_columns - 1);
  }
  if (first_column >= 0 && fixed_rows > 0) {
    painter.setClipRect(QRect(columns_.FixedExtent(), 0, view.width(), rows_.FixedExtent()));
    PaintRegion(painter, 0, fixed_rows - 1, first_column, last_column);
  }
  if (fixed_rows > 0 && fixed_columns > 0) {
    painter.setClipRect(QRect(0, 0, columns_.FixedExtent(), rows_.FixedExtent()));
    PaintRegion(painter, 0, fixed_rows - 1, 0, fixed_columns - 1);
  }
}

void ModelGridWidget::PaintRegion(QPainter& painter, int first_row, int last_row, int first_column,
                                  int last_column) {
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = first_column; column <= last_column; ++column) {
      const QRect rect(ViewX(column), ViewY(row),
                       columns_.edges[column + 1] - columns_.edges[column],
                       rows_.edges[row + 1] - rows_.edges[row]);
      PaintCell(painter, rect, GridPos{row, column});
    }
  }
}

void ModelGridWidget::PaintCell(QPainter& painter, const QRect& rect, GridPos pos) {
  cell_.Reset();
  model_->FillCell(pos.row, pos.column, cell_);
  const QPalette& colours = palette();
  const bool fixed = pos.row < rows_.fixed_count || pos.column < columns_.fixed_count;
  QColor background = fixed ? colours.color(QPalette::Button) : colours.color(QPalette::Base);
  QColor text = fixed ? colours.color(QPalette::ButtonText) : colours.color(QPalette::Text);
  if (cell_.selected) {
    background = colours.color(QPalette::Highlight);
    text = colours.color(QPalette::HighlightedText);
  }
  background = ToQColor(cell_.background, background);
  text = ToQColor(cell_.text, text);

  const QRect inner = rect.adjusted(0, 0, -kLineWidth, -kLineWidth);
  painter.fillRect(inner, background);
  painter.setPen(fixed ? colours.color(QPalette::Dark) : colours.color(QPalette::Midlight));
  painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
  painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());

  for (int corner = 0; corner < 4; ++corner) {
    const GridColor marker = cell_.markers[corner];
    if (!marker.is_set) continue;
    const int size = std::clamp(inner.height() / 3, 3, 8);
    QPainterPath path;
    path.addPolygon(CornerTriangle(inner, static_cast<GridCorner>(corner), size));
    painter.fillPath(path, ToQColor(marker, text));
  }

  if (!cell_.lines.empty()) {
    QFont font = painter.font();
    font.setBold(cell_.bold);
    painter.setFont(font);
    painter.setPen(text);
    const int line_height = fontMetrics().lineSpacing();
    const QRect text_area = inner.adjusted(kTextPadding, kTextPadding, -kTextPadding, 0);
    const int flags = ToQtAlignment(cell_.align) | Qt::AlignTop | Qt::TextSingleLine;
    painter.save();
    painter.setClipRect(inner, Qt::IntersectClip);
    for (size_t i = 0; i < cell_.lines.size(); ++i) {
      const QRect line(text_area.left(), text_area.top() + static_cast<int>(i) * line_height,
                       text_area.width(), line_height);
      if (line.top() > inner.bottom()) break;
      painter.drawText(line, flags, QString::fromStdString(cell_.lines[i]));
    }
    painter.restore();
  }

  if (model_->FocusCell() == pos) {
    QPen pen(text, 1, hasFocus() ? Qt::SolidLine : Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(1, 1, -2, -2));
  }
}

void ModelGridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ModelGridWidget::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) Refresh();
}

void ModelGridWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const GridPos pos = CellAt(event->position().toPoint());
  if (model_ == nullptr || !pos.IsValid()) return;
  screens::GridButton button = screens::GridButton::kLeft;
  if (event->button() == Qt::RightButton) button = screens::GridButton::kRight;
  if (event->button() == Qt::MiddleButton) button = screens::GridButton::kMiddle;
  const bool fixed = pos.row < rows_.fixed_count || pos.column < columns_.fixed_count;
  if (button == screens::GridButton::kLeft && !fixed) {
    model_->SelectCell(pos);
    ScrollTo(model_->FocusCell());
  }
  model_->Clicked(pos, button);
  viewport()->update();
}

void ModelGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const GridPos pos = CellAt(event->position().toPoint());
  if (model_ == nullptr || !pos.IsValid() || event->button() != Qt::LeftButton) return;
  // The press before a double click normally selected the cell already; synthesised double
  // clicks come without it.
  const bool fixed = pos.row < rows_.fixed_count || pos.column < columns_.fixed_count;
  if (!fixed && model_->FocusCell() != pos) model_->SelectCell(pos);
  model_->DoubleClicked(pos);
  viewport()->update();
}

void ModelGridWidget::keyPressEvent(QKeyEvent* event) {
  if (model_ == nullptr) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const screens::GridKeyEvent key = ToGridKeyEvent(*event);
  if (model_->KeyPressed(key)) {
    viewport()->update();
    return;
  }
  switch (key.key) {
    case GridKey::kUp:
    case GridKey::kDown:
    case GridKey::kLeft:
    case GridKey::kRight:
    case GridKey::kHome:
    case GridKey::kEnd:
    case GridKey::kPageUp:
    case GridKey::kPageDown:
      MoveFocus(key.key);
      return;
    default:
      // Enter, Escape and shortcuts belong to the screen around the grid.
      event->ignore();
  }
}

void ModelGridWidget::MoveFocus(GridKey key) {
  const int first_row = rows_.fixed_count;
  const int first_column = columns_.fixed_count;
  const int last_row = rows_.Count() - 1;
  const int last_column = columns_.Count() - 1;
  if (first_row > last_row || first_column > last_column) return;
  GridPos pos = model_->FocusCell();
  if (!pos.IsValid()) pos = GridPos{first_row, first_column};
  const int page = std::max(1, (viewport()->height() - rows_.FixedExtent()) / RowHeight(1));
  switch (key) {
    case GridKey::kUp:
      --pos.row;
      break;
    case GridKey::kDown:
      ++pos.row;
      break;
    case GridKey::kLeft:
      --pos.column;
      break;
    case GridKey::kRight:
      ++pos.column;
      break;
    case GridKey::kHome:
      pos.row = first_row;
      break;
    case GridKey::kEnd:
      pos.row = last_row;
      break;
    case GridKey::kPageUp:
      pos.row -= page;
      break;
    case GridKey::kPageDown:
      pos.row += page;
      break;
    default:
      return;
  }
  pos.row = std::clamp(pos.row, first_row, last_row);
  pos.column = std::clamp(pos.column, first_column, last_column);
  if (pos != model_->FocusCell()) model_->SelectCell(pos);
  ScrollTo(model_->FocusCell());
  viewport()->update();
}

}  // namespace orvanta::gui
