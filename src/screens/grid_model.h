#pragma once

// What an owner-drawn grid shows and how it answers the user, without any toolkit. A screen
// model implements GridModel for each of its grids; the desktop program's grid widget asks it for
// the cells it is about to paint (only the visible ones) and forwards keys and clicks to it.
//
// Coordinates are 0-based: row 0 and column 0 are the first rows and columns of the grid,
// including the fixed title rows and columns, which never scroll.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvanta::screens {

// An RGB colour; the default value means "the grid's own colour for this kind of cell".
struct GridColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool is_set = false;

  static constexpr GridColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return GridColor{r, g, b, true};
  }
  friend bool operator==(const GridColor&, const GridColor&) = default;
};

enum class GridAlign : std::uint8_t { kLeft, kCenter, kRight };

// A small filled triangle in a corner of a cell (a fixed hour, a pay mark, a closed slot).
enum class GridCorner : std::uint8_t { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

struct GridCell {
  std::vector<std::string> lines;  // UTF-8, one entry per text line, drawn from the top
  bool bold = false;
  // Drawn in the grid's selection colours unless background or text is set.
  bool selected = false;
  GridAlign align = GridAlign::kLeft;
  GridColor background;
  GridColor text;
  std::array<GridColor, 4> markers{};  // indexed by GridCorner; unset = no marker

  void SetMarker(GridCorner corner, GridColor color) { markers[static_cast<int>(corner)] = color; }
  // Clears everything, keeping the capacity of lines so a painter can reuse one cell.
  void Reset() {
    lines.clear();
    bold = false;
    selected = false;
    align = GridAlign::kLeft;
    background = {};
    text = {};
    markers = {};
  }
};

struct GridPos {
  int row = -1;
  int column = -1;
  bool IsValid() const { return row >= 0 && column >= 0; }
  friend bool operator==(const GridPos&, const GridPos&) = default;
};

enum class GridKey : std::uint8_t {
  kOther,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kEnter,
  kEscape,
  kSpace,
  kInsert,
  kDelete,
  kBackspace,
  kTab,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
  kF11,
  kF12,
};

struct GridKeyEvent {
  GridKey key = GridKey::kOther;
  std::string text;  // the typed character(s), UTF-8; empty for keys that type nothing
  bool shift = false;
  bool control = false;
  bool alt = false;
};

enum class GridButton : std::uint8_t { kLeft, kRight, kMiddle };

class GridModel {
 public:
  virtual ~GridModel() = default;

  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual int FixedRowCount() const { return 1; }
  virtual int FixedColumnCount() const { return 0; }
  // Width in pixels at 96 dots per inch; the widget scales it to the screen.
  virtual int ColumnWidth(int column) const = 0;
  // Height of a row in text lines of the grid's font; at least 1.
  virtual int RowLines(int /*row*/) const { return 1; }

  // Fills cell (already reset) with what the cell at row, column shows.
  // REQUIRES: 0 <= row < RowCount(), 0 <= column < ColumnCount().
  virtual void FillCell(int row, int column, GridCell& cell) const = 0;

  // The cell that carries the focus frame; invalid = none.
  virtual GridPos FocusCell() const { return {}; }
  // The user moved to pos with the mouse or the arrow keys (never a fixed cell). The model may
  // refuse or move elsewhere; the widget then reads FocusCell() again.
  virtual void SelectCell(GridPos /*pos*/) {}

  // A key pressed while the grid has the focus. Returns true when the model used it; the widget
  // then does not move the focus itself.
  virtual bool KeyPressed(const GridKeyEvent& /*key*/) { return false; }
  // Mouse presses on a cell, fixed cells included. The widget first selects a non-fixed cell
  // pressed with the left button, then calls Clicked.
  virtual void Clicked(GridPos /*pos*/, GridButton /*button*/) {}
  virtual void DoubleClicked(GridPos /*pos*/) {}

  // The widget showing this model registers here to repaint when the model says it changed.
  void SetChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }

 protected:
  // Call after anything that changes what the grid shows: rows, widths, cells or the focus.
  void NotifyChanged() const {
    if (changed_) changed_();
  }

 private:
  std::function<void()> changed_;
};

}  // namespace orvanta::screens
