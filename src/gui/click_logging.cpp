#include "gui/click_logging.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>
#include <exception>

#include "app/screen_events.h"
#include "gui/menu_tile.h"

namespace orvanta::gui {

namespace {

constexpr const char* kLoggedByModel = "orvantaClickLoggedByModel";

// The named control a press on widget belongs to (a grid's viewport belongs to its grid);
// nullptr for the window's own background.
QWidget* NamedControl(QWidget* widget) {
  for (QWidget* control = widget; control != nullptr && !control->isWindow();
       control = control->parentWidget()) {
    // Qt names the inner parts of its own widgets "qt_..."; they belong to the widget around.
    const QString name = control->objectName();
    if (!name.isEmpty() && !name.startsWith("qt_")) return control;
  }
  return nullptr;
}

QString CaptionOf(const QWidget* control) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return button->text().remove('&');
  }
  if (const auto* tile = qobject_cast<const MenuTile*>(control)) return tile->Caption();
  return {};
}

}  // namespace

void MarkClickLoggedByModel(QWidget* control) { control->setProperty(kLoggedByModel, true); }

bool ClickLogFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  try {
    const QWidget* window = widget->window();
    const std::string form = window->objectName().toStdString();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
      if (event == last_press_ && mouse->timestamp() == last_press_time_) return false;
      last_press_ = event;
      last_press_time_ = mouse->timestamp();
      QWidget* control = NamedControl(widget);
      if (control == nullptr || control->property(kLoggedByModel).toBool()) return false;
      LogClick(log_, CaptionOf(control).toStdString(), control->objectName().toStdString(), form);
    } else if (type == QEvent::MouseButtonRelease &&
               (mouse->button() == Qt::BackButton || mouse->button() == Qt::ForwardButton)) {
      LogExtraButtonClick(log_, window->windowTitle().toStdString(), form);
    }
  } catch (const std::exception& error) {
    log_.Write("TMainForm", "appEvntMsg", error.what());
  }
  return false;
}

}  // namespace orvanta::gui
