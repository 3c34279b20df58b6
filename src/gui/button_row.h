#pragma once

#include <QAbstractButton>
#include <QHBoxLayout>
#include <initializer_list>

namespace orvanta::gui {

// The command buttons of a dialog, right-aligned in one row.
inline QHBoxLayout* ButtonRow(std::initializer_list<QAbstractButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QAbstractButton* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace orvanta::gui
