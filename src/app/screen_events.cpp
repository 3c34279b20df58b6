#include "app/screen_events.h"

#include <string>

namespace orvanta {
namespace {

constexpr const char* kUnit = "TMainForm";

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace

void LogClick(EventLog& log, std::string_view caption, std::string_view component,
              std::string_view form) {
  log.Write(kUnit, "appEvntMsg",
            Joined({"Clicked ", caption, " (", component, ") button on form ", form}));
}

void LogExtraButtonClick(EventLog& log, std::string_view form_caption, std::string_view form) {
  log.Write(kUnit, "appEvntMsg", Joined({form_caption, " clicked on form ", form}));
}

void LogScreenClosed(EventLog& log, std::string_view form_caption, std::string_view form) {
  log.Write(kUnit, "appEvntCloseMsg", Joined({form_caption, "(", form, ") form is closed"}));
}

void ReportUnhandledError(EventLog& log, UserInterface& ui, std::string_view sender,
                          const std::exception& error) {
  log.Write(kUnit, Joined({"ApplicationEvents1Exception (", sender, ")"}), error.what());
  ui.ShowError(error.what());
}

}  // namespace orvanta
