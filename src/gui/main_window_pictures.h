#pragma once

#include <QString>
#include <string_view>

namespace orvanta::gui {

// The resource path of the picture of a main-menu control, by the control's name; the program's
// own picture for a name it does not know.
QString PictureOf(std::string_view component);

}  // namespace orvanta::gui
