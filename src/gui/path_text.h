#pragma once

// Paths between Qt and the core: through UTF-16, so that Windows sees the right wide-character
// file names and other systems their UTF-8 ones.

#include <QString>
#include <filesystem>

namespace orvanta::gui {

inline std::filesystem::path PathFromQString(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

inline QString QStringFromPath(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

}  // namespace orvanta::gui
