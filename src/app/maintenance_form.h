#pragma once

// The file maintenance screen "DOSYA BAKIMI": one of six operations on the open set (repairs,
// clearing groups of assignments, erasing the set), chosen in a radio group and run by "Tamam"
// after the user has confirmed it. The operation ends with save all; the screen then closes with
// OK and the main screen activates, which opens the saved set again.

#include <optional>

#include "app/modal_screen.h"
#include "data/archive/file_maintenance.h"

namespace orvanta {

class TMaintenanceForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TMaintenanceForm";
  static constexpr const char* kCaption = "DOSYA BAKIMI";
  static constexpr int kClientWidth = 245;
  static constexpr int kClientHeight = 245;

  // The radio group's items, in the order shown.
  static constexpr MaintenanceChoice kChoices[] = {
      MaintenanceChoice::kFull,
      MaintenanceChoice::kClassLessons,
      MaintenanceChoice::kRoomAssignments,
      MaintenanceChoice::kTeacherAssignments,
      MaintenanceChoice::kElectives,
      MaintenanceChoice::kEraseAll,
  };

  explicit TMaintenanceForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

  // Nothing chosen; the result is preset to cancel.
  void FormActivate();

  // The radio group: the item the user picked.
  void RadioGroup1Click(MaintenanceChoice choice) { choice_ = choice; }
  std::optional<MaintenanceChoice> choice() const { return choice_; }

  bool OkBtnEnabled() const { return choice_.has_value(); }

  // The question OkBtnClick asks before it runs the choice.
  static std::string Question(MaintenanceChoice choice);

  // Asks Question(choice); on "Tamam" runs SetMaintenance (the operation, then save all with the
  // automatic backup) and closes with OK. Nothing while disabled. Throws IoError from the save;
  // the lists in memory are then already changed, and the screen stays open.
  void OkBtnClick();
  void CancelBtnClick();

 private:
  std::optional<MaintenanceChoice> choice_;
};

}  // namespace orvanta
