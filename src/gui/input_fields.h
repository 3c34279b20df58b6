#pragma once

// The kinds of entry field the screens share. Each call configures an existing line edit.

#include <QLineEdit>

namespace orvanta::gui {

// Every typed letter becomes its Turkish capital (i→İ, ı→I, ç→Ç, a..z→A..Z, ...), the way name
// fields and search boxes work throughout the program.
void MakeTurkishUpperField(QLineEdit* field);

// A one-letter yes/no setting: "E" or "H" (typed in either case), or empty.
void MakeYesNoField(QLineEdit* field);

// Digits only; the length is the caller's.
void MakeDigitField(QLineEdit* field);

}  // namespace orvanta::gui
