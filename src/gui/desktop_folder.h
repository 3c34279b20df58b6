#pragma once

#include <filesystem>

namespace orvanta::gui {

// The user's desktop folder, as the platform names it; the home folder when it names none.
std::filesystem::path DesktopFolder();

}  // namespace orvanta::gui
