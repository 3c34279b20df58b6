#include "gui/error_reporting_application.h"

#include <exception>

#include "app/screen_events.h"

namespace orvanta::gui {

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
  if (log_ == nullptr) return QApplication::notify(receiver, event);
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportUnhandledError(*log_, *ui_, receiver->metaObject()->className(), error);
  }
  return false;
}

}  // namespace orvanta::gui
