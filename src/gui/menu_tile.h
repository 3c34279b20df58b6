#pragma once

// A main-menu tile: a picture above a caption of one or two lines, on a panel whose bevel rises
// while the mouse points at it.

#include <QFrame>
#include <QString>

class QSvgRenderer;

namespace orvanta::gui {

class MenuTile : public QFrame {
  Q_OBJECT

 public:
  // picture: a resource path of an SVG drawing.
  MenuTile(const QString& picture, const QString& caption, const QString& second_line,
           QWidget* parent = nullptr);

  // The caption as one text, lines joined by a space (the click log names the tile by it).
  QString Caption() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void SetRaised(bool raised);

  QSvgRenderer* picture_;
  QString caption_;
  QString second_line_;
  bool pressed_ = false;
};

}  // namespace orvanta::gui
