#include "gui/turkish_language.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvanta::gui {

bool UseTurkishLanguage(QCoreApplication& app) {
  const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
  QLocale::setDefault(turkish);
  auto* translator = new QTranslator(&app);
  if (!translator->load(turkish, "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  app.installTranslator(translator);
  return true;
}

}  // namespace orvanta::gui
