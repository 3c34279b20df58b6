#pragma once

#include <QObject>

namespace orvanta::gui {

// Replaces each key press that types a letter by the same key typing the letter's Turkish
// capital, so the field's own length limit, validator and selection handling still apply.
class TurkishUpperKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit TurkishUpperKeyFilter(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvanta::gui
