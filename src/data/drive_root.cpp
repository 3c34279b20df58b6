#include <cstdlib>

#include "data/paths.h"

namespace orvanta {

#ifdef _WIN32
std::filesystem::path DefaultDriveRoot() {
  return std::filesystem::current_path().root_path();
}
#else
std::filesystem::path DefaultDriveRoot() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::filesystem::path(home)
                                          : std::filesystem::current_path();
}
#endif

}  // namespace orvanta
