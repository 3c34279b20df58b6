#include "gui/grid_key_event.h"

#include <utility>

namespace orvanta::gui {

namespace {

screens::GridKey KeyOf(int qt_key) {
  using screens::GridKey;
  static constexpr std::pair<int, GridKey> kKeys[] = {
      {Qt::Key_Up, GridKey::kUp},
      {Qt::Key_Down, GridKey::kDown},
      {Qt::Key_Left, GridKey::kLeft},
      {Qt::Key_Right, GridKey::kRight},
      {Qt::Key_Home, GridKey::kHome},
      {Qt::Key_End, GridKey::kEnd},
      {Qt::Key_PageUp, GridKey::kPageUp},
      {Qt::Key_PageDown, GridKey::kPageDown},
      {Qt::Key_Return, GridKey::kEnter},
      {Qt::Key_Enter, GridKey::kEnter},
      {Qt::Key_Escape, GridKey::kEscape},
      {Qt::Key_Space, GridKey::kSpace},
      {Qt::Key_Insert, GridKey::kInsert},
      {Qt::Key_Delete, GridKey::kDelete},
      {Qt::Key_Backspace, GridKey::kBackspace},
      {Qt::Key_Tab, GridKey::kTab},
  };
  for (const auto& [key, grid_key] : kKeys) {
    if (key == qt_key) return grid_key;
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) {
    return static_cast<GridKey>(static_cast<int>(GridKey::kF1) + (qt_key - Qt::Key_F1));
  }
  return GridKey::kOther;
}

}  // namespace

screens::GridKeyEvent ToGridKeyEvent(const QKeyEvent& event) {
  screens::GridKeyEvent key;
  key.key = KeyOf(event.key());
  const QString text = event.text();
  if (!text.isEmpty() && text.at(0).isPrint()) key.text = text.toStdString();
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  key.shift = modifiers.testFlag(Qt::ShiftModifier);
  key.control = modifiers.testFlag(Qt::ControlModifier);
  key.alt = modifiers.testFlag(Qt::AltModifier);
  return key;
}

}  // namespace orvanta::gui
