#pragma once

#include <QCoreApplication>

namespace orvanta::gui {

// Qt's own dialogs and buttons speak Turkish (qtbase_tr.qm from Qt's translation folder), and
// dates and numbers follow the Turkish locale. Returns false when the translation file is
// missing; the program then runs with Qt's English texts.
bool UseTurkishLanguage(QCoreApplication& app);

}  // namespace orvanta::gui
