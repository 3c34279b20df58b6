#pragma once

// Which screens exist in this build. The code that builds a screen registers it (the desktop
// program for its windows, tests for their doubles); a main-menu command whose screen is not
// registered tells the user that the function is not yet available instead of opening it.

#include <functional>
#include <map>

#include "app/user_interface.h"

namespace orvanta {

class ScreenRegistry {
 public:
  // Builds the screen's list before it is shown; false when the list is empty, so that the
  // command shows its prerequisite message instead of the screen.
  using Preparation = std::function<bool()>;

  // Registering a screen again replaces its preparation.
  void Register(ScreenId screen, Preparation prepare = {});
  bool IsAvailable(ScreenId screen) const;

  // Runs the screen's preparation; true without one. REQUIRES: IsAvailable(screen).
  bool Prepare(ScreenId screen) const;

 private:
  std::map<ScreenId, Preparation> screens_;
};

}  // namespace orvanta
