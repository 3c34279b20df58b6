#include "gui/menu_tile.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace orvanta::gui {

namespace {

constexpr int kPictureSize = 56;
constexpr int kMargin = 6;

}  // namespace

MenuTile::MenuTile(const QString& picture, const QString& caption, const QString& second_line,
                   QWidget* parent)
    : QFrame(parent),
      picture_(new QSvgRenderer(picture, this)),
      caption_(caption),
      second_line_(second_line) {
  setFrameShape(QFrame::Panel);
  setLineWidth(2);
  SetRaised(false);
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(Caption());
}

QString MenuTile::Caption() const {
  return second_line_.isEmpty() ? caption_ : caption_ + " " + second_line_;
}

QSize MenuTile::sizeHint() const {
  const int text_height = 2 * fontMetrics().lineSpacing();
  return QSize(150, kPictureSize + text_height + 3 * kMargin + 2 * frameWidth());
}

QSize MenuTile::minimumSizeHint() const {
  const int text_height = 2 * fontMetrics().lineSpacing();
  return QSize(110, 32 + text_height + 3 * kMargin + 2 * frameWidth());
}

void MenuTile::SetRaised(bool raised) {
  setFrameShadow(raised ? QFrame::Raised : QFrame::Plain);
  // A flat tile shows no frame at all, so only the tile under the mouse stands out.
  setLineWidth(raised ? 2 : 0);
  setMidLineWidth(0);
  update();
}

void MenuTile::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const int lines = second_line_.isEmpty() ? 1 : 2;
  const int text_height = 2 * fontMetrics().lineSpacing();
  const int side = std::max(16, std::min(area.width(), area.height() - text_height - kMargin));
  const QPoint offset = pressed_ ? QPoint(1, 1) : QPoint(0, 0);
  const QRect picture(area.center().x() - side / 2 + offset.x(), area.top() + offset.y(), side,
                      side);
  // A disabled command keeps its picture, faded, so the menu keeps its shape.
  if (!isEnabled()) painter.setOpacity(0.35);
  picture_->render(&painter, picture);
  painter.setOpacity(1.0);

  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  QRect text(area.left(), picture.bottom() + kMargin, area.width(), text_height);
  text.translate(offset);
  const QString shown = lines == 1 ? caption_ : caption_ + "\n" + second_line_;
  painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, shown);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void MenuTile::enterEvent(QEnterEvent* /*event*/) {
  if (isEnabled()) SetRaised(true);
}

void MenuTile::leaveEvent(QEvent* /*event*/) {
  pressed_ = false;
  SetRaised(false);
}

void MenuTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
  pressed_ = true;
  update();
}

void MenuTile::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mouseReleaseEvent(event);
  const bool was_pressed = pressed_;
  pressed_ = false;
  update();
  if (was_pressed && rect().contains(event->position().toPoint())) emit clicked();
}

void MenuTile::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    emit clicked();
    return;
  }
  QFrame::keyPressEvent(event);
}

void MenuTile::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) SetRaised(false);
    update();
  }
}

}  // namespace orvanta::gui
