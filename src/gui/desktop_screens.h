#pragma once

#include "app/app_context.h"
#include "gui/qt_user_interface.h"

namespace orvanta::gui {

// Makes every screen this build has a window for available to the screen models.
void RegisterDesktopScreens(AppContext& app, QtUserInterface& ui);

}  // namespace orvanta::gui
