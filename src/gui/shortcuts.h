#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <functional>

namespace orvanta::gui {

// A key that runs action while owner's window (or, for Qt::WidgetShortcut, owner itself) has the
// focus.
inline void AddShortcut(QWidget* owner, QKeySequence key, std::function<void()> action,
                        Qt::ShortcutContext context = Qt::WindowShortcut) {
  auto* shortcut = new QShortcut(key, owner);
  shortcut->setContext(context);
  QObject::connect(shortcut, &QShortcut::activated, owner, std::move(action));
}

}  // namespace orvanta::gui
