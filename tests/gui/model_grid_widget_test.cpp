// The grid widget paints what a model says, where the model's geometry puts it, asks only for the
// cells it shows, and hands clicks and keys back to the model.

#include "gui/model_grid_widget.h"

#include <QImage>
#include <QtTest>
#include <set>

#include "gui_test_registry.h"

namespace {

using orvanta::screens::GridCell;
using orvanta::screens::GridColor;
using orvanta::screens::GridKeyEvent;
using orvanta::screens::GridPos;

constexpr GridColor kRed = GridColor::Rgb(220, 30, 30);
constexpr GridColor kWhite = GridColor::Rgb(255, 255, 255);
constexpr GridColor kBlack = GridColor::Rgb(0, 0, 0);

// A title row and a number column, then rows * columns cells. Cell (1, 1) is red with two white
// lines of text; the rest are white with black text "r,c". Row 2 is two lines high.
class SampleGrid : public orvanta::screens::GridModel {
 public:
  SampleGrid(int rows, int columns) : rows_(rows), columns_(columns) {}

  int RowCount() const override { return rows_; }
  int ColumnCount() const override { return columns_; }
  int FixedColumnCount() const override { return 1; }
  int ColumnWidth(int column) const override { return column == 0 ? 30 : 80; }
  int RowLines(int row) const override { return row == 2 ? 2 : 1; }
  void FillCell(int row, int column, GridCell& cell) const override {
    asked.insert({row, column});
    if (row == 0 || column == 0) {
      cell.lines = {std::to_string(row) + ":" + std::to_string(column)};
      return;
    }
    cell.background = (row == 1 && column == 1) ? kRed : kWhite;
    cell.text = (row == 1 && column == 1) ? kWhite : kBlack;
    if (row == 1 && column == 1) cell.lines = {"MMMM", "MMMM"};
  }
  GridPos FocusCell() const override { return focus; }
  void SelectCell(GridPos pos) override {
    focus = pos;
    NotifyChanged();
  }
  bool KeyPressed(const GridKeyEvent& key) override {
    typed += key.text;
    return !key.text.empty();
  }
  void DoubleClicked(GridPos pos) override { double_clicked = pos; }

  GridPos focus{1, 1};
  GridPos double_clicked;
  std::string typed;
  mutable std::set<std::pair<int, int>> asked;

 private:
  int rows_;
  int columns_;
};

bool IsColour(QRgb pixel, GridColor colour) {
  return qRed(pixel) == colour.red && qGreen(pixel) == colour.green && qBlue(pixel) == colour.blue;
}

// How many pixels of rect (within image) differ from the background colour.
int InkIn(const QImage& image, const QRect& rect, GridColor background) {
  int ink = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (!IsColour(image.pixel(x, y), background)) ++ink;
    }
  }
  return ink;
}

}  // namespace

class ModelGridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void PaintsCellColourAndTextLinesInsideTheCell() {
    SampleGrid model(4, 3);
    orvanta::gui::ModelGridWidget grid;
    grid.resize(300, 200);
    grid.SetModel(&model);
    model.focus = {};  // no focus frame over the text
    const QImage image = grid.viewport()->grab().toImage();

    const QRect red = grid.CellRect({1, 1});
    QVERIFY(!red.isEmpty());
    QCOMPARE(red.width(), 80);  // the model's width at 96 dots per inch
    QVERIFY(IsColour(image.pixel(red.right() - 3, red.bottom() - 2), kRed));
    const int line = grid.fontMetrics().lineSpacing();
    // The two lines of text sit at the left, one below the other, and nothing runs past them.
    const QRect first_line(red.left(), red.top(), 40, line);
    QVERIFY(InkIn(image, first_line, kRed) > 0);
    QCOMPARE(InkIn(image, QRect(red.left() + 50, red.top(), 25, red.height() - 2), kRed), 0);
    // Row 1 is one line high, so the second line is cut off at the cell's edge, and the cell
    // below (row 2, white) is untouched by it.
    const QRect below = grid.CellRect({2, 1});
    QCOMPARE(below.top(), red.bottom() + 1);
    QCOMPARE(below.height(), 2 * line + 5);
    QCOMPARE(InkIn(image, below.adjusted(0, 0, -1, -1), kWhite), 0);
  }

  void AsksOnlyForVisibleCellsAndKeepsTitlesInPlace() {
    SampleGrid model(2000, 40);
    orvanta::gui::ModelGridWidget grid;
    grid.resize(300, 200);
    grid.SetModel(&model);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.ScrollTo({1500, 30});
    model.asked.clear();
    grid.viewport()->grab();

    QVERIFY(!model.asked.empty());
    QVERIFY(model.asked.size() < 100);  // of 80000
    QVERIFY(model.asked.count({1500, 30}) == 1);
    QVERIFY(model.asked.count({0, 30}) == 1);    // the title row scrolled sideways with it
    QVERIFY(model.asked.count({1500, 0}) == 1);  // the number column scrolled down with it
    QCOMPARE(grid.CellRect({0, 0}).topLeft(), QPoint(0, 0));
    QVERIFY(grid.CellRect({1, 1}).isEmpty());  // scrolled away behind the titles
    const QRect target = grid.CellRect({1500, 30});
    QCOMPARE(grid.CellAt(target.center()), (GridPos{1500, 30}));
  }

  void ForwardsClicksKeysAndNavigation() {
    SampleGrid model(30, 3);
    orvanta::gui::ModelGridWidget grid;
    grid.resize(300, 200);
    grid.SetModel(&model);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect({3, 2}).center());
    QCOMPARE(model.focus, (GridPos{3, 2}));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect({4, 1}).center());
    QCOMPARE(model.double_clicked, (GridPos{4, 1}));
    // A click on a title selects nothing.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect({0, 1}).center());
    QCOMPARE(model.focus, (GridPos{4, 1}));

    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(model.focus, (GridPos{5, 1}));
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(model.focus, (GridPos{29, 1}));
    QVERIFY(!grid.CellRect({29, 1}).isEmpty());  // scrolled into view
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(model.focus, (GridPos{29, 1}));  // never onto the number column
    QTest::keyClicks(&grid, "ab");
    QCOMPARE(model.typed, std::string("ab"));
  }
};

ORVANTA_GUI_TEST(ModelGridWidgetTest);

#include "model_grid_widget_test.moc"
