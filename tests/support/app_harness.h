#pragma once

// Everything a screen model needs, on a temporary drive root that is removed afterwards: the
// shared data, a fixed clock, a scripted user, a recording log and a registry of screens.
//
//   AppHarness h;            // nothing opened yet
//   h.OpenSet();             // the opening sequence on the empty drive root
//   TProgForm form(h.app);

#include <filesystem>
#include <string>

#include "app/app_context.h"
#include "data/clock.h"
#include "data/school_data.h"
#include "support/recording_event_log.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace orvanta::testing {

class AppHarness {
 public:
  AppHarness();
  AppHarness(const AppHarness&) = delete;
  AppHarness& operator=(const AppHarness&) = delete;

  void OpenSet() { app.OpenProgramSet(); }
  // Adds a program set to the list and writes prog.prg; returns its No.
  int AddProgramSet(const std::string& name);
  // Registers every screen, so that commands open them instead of saying they are missing.
  void RegisterAllScreens();

  TempDir drive;
  std::filesystem::path drive_root = drive.path();
  FixedClock clock{LocalDateTime{2024, 10, 7, 9, 30, 0, 0}};
  SchoolData data;
  ScriptedUserInterface ui;
  RecordingEventLog log;
  ScreenRegistry screens;
  AppContext app;
};

}  // namespace orvanta::testing
