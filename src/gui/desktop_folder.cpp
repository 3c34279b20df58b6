#include "gui/desktop_folder.h"

#include <QDir>
#include <QStandardPaths>

#include "gui/path_text.h"

namespace orvanta::gui {

std::filesystem::path DesktopFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return PathFromQString(folder);
}

}  // namespace orvanta::gui
