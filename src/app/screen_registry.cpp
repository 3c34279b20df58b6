#include "app/screen_registry.h"

namespace orvanta {

void ScreenRegistry::Register(ScreenId screen, Preparation prepare) {
  screens_[screen] = std::move(prepare);
}

bool ScreenRegistry::IsAvailable(ScreenId screen) const { return screens_.contains(screen); }

bool ScreenRegistry::Prepare(ScreenId screen) const {
  const auto it = screens_.find(screen);
  return it == screens_.end() || !it->second || it->second();
}

}  // namespace orvanta
