#pragma once

// The program-wide event lines of the main screen: clicks, screens closing and errors no command
// handled. Screen models call these from their command entry points; the desktop program calls
// them for events no model sees (an extra mouse button, a click on a plain control).

#include <exception>
#include <string_view>

#include "app/event_log.h"
#include "app/user_interface.h"

namespace orvanta {

// "Clicked <caption> (<component>) button on form <form>" under ("TMainForm", "appEvntMsg").
void LogClick(EventLog& log, std::string_view caption, std::string_view component,
              std::string_view form);

// "<caption> clicked on form <form>" under ("TMainForm", "appEvntMsg").
void LogExtraButtonClick(EventLog& log, std::string_view form_caption, std::string_view form);

// "<caption>(<form>) form is closed" under ("TMainForm", "appEvntCloseMsg").
void LogScreenClosed(EventLog& log, std::string_view form_caption, std::string_view form);

// Logs ("TMainForm", "ApplicationEvents1Exception (<sender>)", message) and shows the message in
// the error box. sender is the class of the object whose event raised the error.
void ReportUnhandledError(EventLog& log, UserInterface& ui, std::string_view sender,
                          const std::exception& error);

}  // namespace orvanta
