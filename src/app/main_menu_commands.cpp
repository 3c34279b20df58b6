// The main menu's commands. Each one tests in_menu first (except the room and teacher tiles),
// checks its prerequisites, opens its screen and runs what follows the screen's closing.

#include "app/main_form.h"

namespace orvanta {

void TMainForm::ProgBtnClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kProgramSets)) return;
    app_.SaveAll();
    if (app_.ui.OpenScreen(ScreenId::kProgramSets) == ScreenResult::kOk) Activate();
  });
}

void TMainForm::ProgCopyBtnClick() {
  MenuCommand([&] {
    app_.SaveAll();
    // With a single set there is nothing to copy from.
    if (app_.data.progs.Count() > 1 && Open(ScreenId::kProgramCopy)) Activate();
  });
}

void TMainForm::MaintenanceBtnClick() {
  MenuCommand([&] {
    if (Open(ScreenId::kMaintenance)) Activate();
  });
}

void TMainForm::OptionBtnClick() {
  MenuCommand([&] {
    if (Open(ScreenId::kOptions)) Activate();
  });
}

void TMainForm::TransBtnClick() {
  MenuCommand([&] {
    if (trans_enabled_ && Open(ScreenId::kInterchange)) Activate();
  });
}

void TMainForm::NetBtnClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kNetBackup)) return;
    app_.SaveAll();
    app_.ui.OpenScreen(ScreenId::kNetBackup);
    app_.OpenProgramSet();  // a restore has replaced the files
  });
}

void TMainForm::ExitBtnClick() {
  MenuCommand([&] { end_request_ = EndRequest::kClose; });
}

void TMainForm::PROGRAMISONLANDIR1Click() {
  MenuCommand([&] { end_request_ = EndRequest::kTerminate; });
}

void TMainForm::imgLessonClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kLessons)) return;
    app_.ui.OpenScreen(ScreenId::kLessons);
    app_.Run(app_.hooks.rebuild_after_definitions_change);
    app_.SaveAll();
  });
}

void TMainForm::imgClssClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kClasses)) return;
    app_.ui.OpenScreen(ScreenId::kClasses);
    app_.SaveAll();
  });
}

// The room and teacher screens write all files themselves when they close.
void TMainForm::imgRoomClick() {
  Guarded(kFormName, [&] { Open(ScreenId::kRooms); });
}

void TMainForm::imgTeacherClick() {
  Guarded(kFormName, [&] { Open(ScreenId::kTeachers); });
}

void TMainForm::imgDLCClick() {
  MenuCommand([&] {
    if (app_.data.classes.Empty()) {
      app_.ui.ShowMessage(kNeedClassesMessage);
    } else {
      if (!Offer(ScreenId::kDailyLessonCounts)) return;
      app_.ui.OpenScreen(ScreenId::kDailyLessonCounts);
    }
    app_.Run(app_.hooks.rebuild_after_definitions_change);
    app_.SaveAll();
  });
}

void TMainForm::imgClLeClick() {
  MenuCommand([&] {
    if (app_.data.classes.Empty()) return app_.ui.ShowMessage(kNeedClassesMessage);
    if (app_.data.lessons.Empty()) return app_.ui.ShowMessage(kNeedLessonsMessage);
    Open(ScreenId::kClassLessons);
  });
}

void TMainForm::imgTeLeClick() {
  MenuCommand([&] {
    if (app_.data.teachers.Empty()) return app_.ui.ShowMessage(kNeedTeachersMessage);
    const ScreenId screen = app_.data.option.teacher_assignment_mode() == 1
                                ? ScreenId::kTeacherAssignmentByClass
                                : ScreenId::kTeacherAssignmentByLesson;
    if (!Offer(screen)) return;
    if (!app_.screens.Prepare(screen)) return app_.ui.ShowMessage(kNeedClassLessonsMessage);
    app_.ui.OpenScreen(screen);
  });
}

void TMainForm::imgTeDisClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kTeacherTimetable)) return;
    if (app_.screens.Prepare(ScreenId::kTeacherTimetable) && !app_.data.commons.Empty()) {
      app_.ui.OpenScreen(ScreenId::kTeacherTimetable);
    } else {
      app_.ui.ShowMessage(kNeedTeacherLessonsMessage);
    }
    app_.SaveAll();
  });
}

void TMainForm::imgClDisClick() {
  MenuCommand([&] { ShowTimetable(ScreenId::kClassTimetable, kNeedTeacherLessonsMessage); });
}

void TMainForm::imgReDisClick() {
  MenuCommand([&] { ShowTimetable(ScreenId::kRoomTimetable, kNeedRoomLessonsMessage); });
}

void TMainForm::ShowTimetable(ScreenId screen, const char* empty_message) {
  if (!Offer(screen)) return;
  if (!app_.screens.Prepare(screen)) return app_.ui.ShowMessage(empty_message);
  app_.ui.OpenScreen(screen);
}

void TMainForm::imgBackupClick() {
  MenuCommand([&] {
    if (!Offer(ScreenId::kBackup)) return;
    // The archive carries the pay marks of the lesson slots.
    app_.Run(app_.hooks.set_pay_marks);
    app_.SaveAll();
    if (app_.ui.OpenScreen(ScreenId::kBackup) == ScreenResult::kOk) Activate();
    app_.Run(app_.hooks.clear_pay_marks);
  });
}

void TMainForm::imgDumpClick() {
  MenuCommand([&] { Open(ScreenId::kNewTable); });
}

void TMainForm::imgTeDuClick() {
  MenuCommand([&] {
    if (!app_.data.teachers.Empty()) Open(ScreenId::kDutyRoster);
  });
}

void TMainForm::imgAdditionalCoursesClick() {
  MenuCommand([&] {
    if (!app_.data.teachers.Empty() && Offer(ScreenId::kPaySheet)) {
      app_.Run(app_.hooks.set_pay_marks);
      app_.ui.OpenScreen(ScreenId::kPaySheet);
    }
    app_.Run(app_.hooks.clear_pay_marks);
    ShowProgramName();
  });
}

void TMainForm::imgInformationClick() {
  MenuCommand([&] { Open(ScreenId::kInformationBoard); });
}

}  // namespace orvanta
