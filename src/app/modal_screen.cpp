#include "app/modal_screen.h"

#include "app/screen_events.h"

namespace orvanta {

void ModalScreen::FormClose() { LogScreenClosed(app_.log, caption_, form_name_); }

void ModalScreen::LogClick(std::string_view caption, std::string_view component) {
  orvanta::LogClick(app_.log, caption, component, form_name_);
}

}  // namespace orvanta
