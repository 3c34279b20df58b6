#include "gui/input_fields.h"

#include <QRegularExpressionValidator>

#include "gui/turkish_upper_key_filter.h"

namespace orvanta::gui {

void MakeTurkishUpperField(QLineEdit* field) {
  field->installEventFilter(new TurkishUpperKeyFilter(field));
}

void MakeYesNoField(QLineEdit* field) {
  MakeTurkishUpperField(field);
  field->setMaxLength(1);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[EH]?"), field));
}

void MakeDigitField(QLineEdit* field) {
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
}

}  // namespace orvanta::gui
