#pragma once

// The program-wide click log: a left mouse press on a control of the active window is logged as
// "Clicked <caption> (<name>) button on form <window>", and a release of an extra mouse button
// as "<window caption> clicked on form <window>". Controls whose command the screen model logs
// itself are marked and skipped here, so every click is logged once.

#include <QObject>

#include "app/event_log.h"

class QWidget;

namespace orvanta::gui {

// The model logs the clicks of this control's command.
void MarkClickLoggedByModel(QWidget* control);

// Install on the application object. log must outlive the filter.
class ClickLogFilter : public QObject {
  Q_OBJECT

 public:
  ClickLogFilter(EventLog& log, QObject* parent) : QObject(parent), log_(log) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EventLog& log_;
  // An ignored press travels up to the parents as the same event; it is logged once.
  const QEvent* last_press_ = nullptr;
  quint64 last_press_time_ = 0;
};

}  // namespace orvanta::gui
