#pragma once

// The application object of the desktop program. An exception that leaves an event handler is
// the program-wide error hook's: it is logged and shown in the error box, and the program goes
// on.

#include <QApplication>

#include "app/event_log.h"
#include "app/user_interface.h"

namespace orvanta::gui {

class ErrorReportingApplication : public QApplication {
  Q_OBJECT

 public:
  ErrorReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  // Until this is called an escaping exception ends the program. log and ui must stay alive
  // until the event loop has ended.
  void ReportErrorsTo(EventLog& log, UserInterface& ui) {
    log_ = &log;
    ui_ = &ui;
  }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  EventLog* log_ = nullptr;
  UserInterface* ui_ = nullptr;
};

}  // namespace orvanta::gui
