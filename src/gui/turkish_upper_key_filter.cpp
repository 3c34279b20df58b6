#include "gui/turkish_upper_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "data/turkish_text.h"

namespace orvanta::gui {

bool TurkishUpperKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  const QString upper = QString::fromStdString(TurkishUpper(text.toStdString()));
  if (upper == text) return false;
  QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                     key->count());
  QCoreApplication::sendEvent(watched, &replaced);
  return true;
}

}  // namespace orvanta::gui
