#pragma once

#include <QLineEdit>
#include <string>

namespace orvanta::gui {

// Shows a model's text in a field without disturbing the cursor while the text is unchanged.
inline void ShowFieldText(QLineEdit* field, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (field->text() == shown) return;
  const int cursor = field->cursorPosition();
  field->setText(shown);
  field->setCursorPosition(std::min(cursor, static_cast<int>(shown.size())));
}

}  // namespace orvanta::gui
