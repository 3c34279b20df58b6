#pragma once

// Qt key presses in the toolkit-free terms of the screen models.

#include <QKeyEvent>

#include "screens/grid_model.h"

namespace orvanta::gui {

screens::GridKeyEvent ToGridKeyEvent(const QKeyEvent& event);

}  // namespace orvanta::gui
