#pragma once

// What every screen model works with: the shared data of the open program set, the clock, the
// user, the activity log, the registry of available screens and the hooks of other subsystems.
// The desktop program makes one at start-up; everything it refers to must outlive every screen.

#include "app/app_hooks.h"
#include "app/event_log.h"
#include "app/screen_registry.h"
#include "app/user_interface.h"
#include "data/clock.h"
#include "data/school_data.h"

namespace orvanta {

inline constexpr const char* kNotYetAvailableMessage = "Bu işlev henüz kullanılamıyor.";

struct AppContext {
  SchoolData& data;
  const Clock& clock;
  UserInterface& ui;
  EventLog& log;
  ScreenRegistry& screens;
  AppHooks hooks;

  // Save all: every record file of the open set, then the automatic backup. Does nothing while
  // a save is in progress, and nothing before a set has been opened (the lists then hold nothing
  // that belongs in the files). Throws IoError.
  void SaveAll();

  // The automatic backup of the open set, under the save flag; nothing while a save is in
  // progress or before a set has been opened.
  void AutomaticBackup();

  // Open program set. Throws IoError or DamagedFileError; data is then unchanged.
  void OpenProgramSet();

  // Shows an available screen and returns how it closed. A screen that is not registered shows
  // kNotYetAvailableMessage and counts as closed with cancel.
  ScreenResult ShowScreen(ScreenId screen);

  // Runs a hook when it is set.
  void Run(const AppHooks::DataStep& step) {
    if (step) step(data);
  }
};

// True once a program set has been opened into data.
bool SetIsOpen(const SchoolData& data);

}  // namespace orvanta
