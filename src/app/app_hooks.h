#pragma once

// Steps of the main screen's sequences that other subsystems perform. The code that builds such
// a step sets its hook when the program is put together; an empty hook skips the step, so the
// sequences run in a build that does not have it yet.

#include <filesystem>
#include <functional>

#include "data/school_data.h"

namespace orvanta {

struct AppHooks {
  using DataStep = std::function<void(SchoolData&)>;

  // Activation: the pay initialisation of every teacher, after the set is opened.
  DataStep initialise_pay;
  // Activation: every class lesson with a fixed position and no placed hour is placed there.
  DataStep place_fixed_positions;
  // Activation: the timetable screens forget the teacher, class, room and class lesson they were
  // handed.
  std::function<void()> clear_timetable_selections;
  // After the lesson and daily lesson count screens: re-places the timetable from scratch.
  DataStep rebuild_after_definitions_change;
  // Ends every save all; the set's record files are already written. Runs while the save flag
  // is still set, so a save started from an event during the wait returns at once.
  DataStep automatic_backup;
  // Around the backup and pay screens.
  DataStep set_pay_marks;
  DataStep clear_pay_marks;
  // Creation of the main screen: the net backup manager.
  std::function<void()> initialise_net_backup;
  // The retention cleaner on the open set's backup folder.
  std::function<void(const std::filesystem::path& backup_folder)> clean_old_backups;
  // The main screen's update timer.
  std::function<void()> check_for_update;
};

}  // namespace orvanta
