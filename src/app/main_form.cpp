#include "app/main_form.h"

#include <algorithm>
#include <exception>

#include "app/screen_events.h"
#include "data/program_set_io.h"
#include "data/recount.h"
#include "version.h"
#include "data/hour_rows.h"

namespace orvanta {
namespace {

constexpr TMainForm::Command kCommands[] = {
    {"Programlar", "", "ProgBtn", &TMainForm::ProgBtnClick},
    {"Program Kopyala", "", "ProgCopyBtn", &TMainForm::ProgCopyBtnClick},
    {"Dosya Bakımı", "", "MaintenanceBtn", &TMainForm::MaintenanceBtnClick},
    {"Ayarlar", "", "OptionBtn", &TMainForm::OptionBtnClick},
    {"Çevir", "", "TransBtn", &TMainForm::TransBtnClick},
    {"Net Yedekleme", "", "NetBtn", &TMainForm::NetBtnClick},
    {"Programdan Çıkış", "", "ExitBtn", &TMainForm::ExitBtnClick},
    {"Dersler", "", "imgLesson", &TMainForm::imgLessonClick},
    {"Sınıflar", "", "imgClss", &TMainForm::imgClssClick},
    {"Derslikler", "", "imgRoom", &TMainForm::imgRoomClick},
    {"Öğretmenler", "", "imgTeacher", &TMainForm::imgTeacherClick},
    {"Günlük", "Ders Sayıları", "imgDLC", &TMainForm::imgDLCClick},
    {"Sınıflarda", "Okutulan Dersler", "imgClLe", &TMainForm::imgClLeClick},
    {"Öğretmenlere", "Ders Atanması", "imgTeLe", &TMainForm::imgTeLeClick},
    {"Ögretmenlerin", "Ders Programı", "imgTeDis", &TMainForm::imgTeDisClick},
    {"Sınıfların", "Ders Programı", "imgClDis", &TMainForm::imgClDisClick},
    {"Dersliklerin", "Ders Programı", "imgReDis", &TMainForm::imgReDisClick},
    {"Yedekleme", "", "imgBackup", &TMainForm::imgBackupClick},
    {"Yeni Tablo", "Oluşturulması", "imgDump", &TMainForm::imgDumpClick},
    {"Öğretmenlerin", "Nöbet Çizelgesi", "imgTeDu", &TMainForm::imgTeDuClick},
    {"Ek Ders", "Hesaplama", "imgAdditionalCourses", &TMainForm::imgAdditionalCoursesClick},
    {"Bilgi Panosu", "", "imgInformation", &TMainForm::imgInformationClick},
    {"PROGRAMI SONLANDIR", "", "PROGRAMISONLANDIR1", &TMainForm::PROGRAMISONLANDIR1Click},
};

// Days since 1 March of year 0 of the proleptic Gregorian calendar; only differences matter.
long long DayNumber(int year, int month, int day) {
  if (month <= 2) --year;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era;
}

long long SecondsOf(const LocalDateTime& t) {
  return DayNumber(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

// The timer of the retention cleaner asks for a run at most once an hour.
constexpr long long kCleanerIntervalSeconds = 60 * 60;

}  // namespace

TMainForm::TMainForm(AppContext& app) : app_(app) {
  Guarded(kFormName, [&] {
    if (app_.hooks.initialise_net_backup) app_.hooks.initialise_net_backup();
  });
}

std::span<const TMainForm::Command> TMainForm::Commands() { return kCommands; }

void TMainForm::Click(const Command& command) {
  std::string caption(command.caption);
  if (!command.second_line.empty()) caption += " " + std::string(command.second_line);
  LogClick(app_.log, caption, command.component, kFormName);
  (this->*command.handler)();
}

std::string TMainForm::st_version() const {
  return "V" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRelease) + "." + std::to_string(kVersionBuild);
}

bool TMainForm::Guarded(std::string_view sender, const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (const std::exception& error) {
    ReportUnhandledError(app_.log, app_.ui, sender, error);
    return false;
  }
}

void TMainForm::MenuCommand(const std::function<void()>& body) {
  if (!in_menu_) return;
  in_menu_ = false;
  // The menu must come back also when the command fails, or no command would run again.
  struct Reopen {
    bool& in_menu;
    ~Reopen() { in_menu = true; }
  } reopen{in_menu_};
  Guarded(kFormName, body);
}

bool TMainForm::Offer(ScreenId screen) {
  if (app_.screens.IsAvailable(screen)) return true;
  app_.ui.ShowMessage(kNotYetAvailableMessage);
  return false;
}

bool TMainForm::Open(ScreenId screen) {
  return Offer(screen) && app_.ui.OpenScreen(screen) == ScreenResult::kOk;
}

// --- Activation and shutdown ---

void TMainForm::FormActivate() {
  Guarded(kFormName, [&] { Activate(); });
}

void TMainForm::Activate() {
  app_.ui.SetBusy(true);
  app_.log.Write(kFormName, "FormActivate", "Start");
  struct End {
    TMainForm& form;
    ~End() {
      form.in_pass_ = false;
      form.app_.ui.SetBusy(false);
      form.app_.log.Write(kFormName, "FormActivate", "End");
    }
  } end{*this};

  glsv_ = true;
  app_.OpenProgramSet();
  app_.Run(app_.hooks.initialise_pay);
  ShowProgramName();
  RecountAll(app_.data);
  app_.Run(app_.hooks.place_fixed_positions);
  app_.data.hour_rows = ComputeHourRows(app_.data);
  trans_enabled_ = app_.data.lessons.Empty() && app_.data.classes.Empty() &&
                   app_.data.teachers.Empty() && app_.data.rooms.Empty();
  if (app_.hooks.clear_timetable_selections) app_.hooks.clear_timetable_selections();
  AskEntryPassword();
}

void TMainForm::AskEntryPassword() {
  GlobalType& global = app_.data.global;
  if (global.run_flag != 0 || global.no_password_prompt || !in_pass_) return;
  // A build without the dialog cannot check the password, so it does not let the user in.
  if (!app_.screens.IsAvailable(ScreenId::kEntryPassword) ||
      app_.ui.OpenScreen(ScreenId::kEntryPassword) != ScreenResult::kOk) {
    end_request_ = EndRequest::kClose;
    return;
  }
  app_.data.global.run_flag = 1;
  WriteGlobalRecord(app_.data);
}

void TMainForm::ShowProgramName() {
  const SchoolData& data = app_.data;
  const ProgType* set = data.progs.Find(data.open_set_no);
  program_name_ = set != nullptr ? set->Name.Text() : std::string();
  const std::string backup = data.option.print_fonts(kSpareSlot).Text();
  if (!backup.empty()) program_name_ += " (Yedek:" + backup.substr(0, backup.find('.')) + ")";
}

void TMainForm::FormClose() {
  try {
    app_.SaveAll();
    if (glsv_ && SetIsOpen(app_.data)) {
      app_.data.global.run_flag = 0;
      WriteGlobalRecord(app_.data);
    }
    app_.AutomaticBackup();
  } catch (const std::exception& error) {
    app_.log.Write(kFormName, "FormClose", error.what());
  }
}

// --- Timers and the version label ---

void TMainForm::tmrOldBackupCleanerTimer() {
  const LocalDateTime now = app_.clock.Now();
  if (dLastChackDelteBacupFilesTime_ &&
      SecondsOf(now) - SecondsOf(*dLastChackDelteBacupFilesTime_) <= kCleanerIntervalSeconds) {
    return;
  }
  dLastChackDelteBacupFilesTime_ = now;
  if (!app_.hooks.clean_old_backups || !SetIsOpen(app_.data)) return;
  // Background work: its errors are logged, never shown.
  try {
    app_.hooks.clean_old_backups(BackupFolder(app_.data.set_folder));
  } catch (const std::exception& error) {
    app_.log.Write(kFormName, "tmrOldBackupCleanerTimer", error.what());
  }
}

void TMainForm::tmrDownloadTimer() {
  if (!app_.hooks.check_for_update) return;
  try {
    app_.hooks.check_for_update();
  } catch (const std::exception& error) {
    app_.log.Write(kFormName, "tmrDownloadTimer", error.what());
  }
}

void TMainForm::st_versionDblClick() {
  if (++TK_ < 2) return;
  Guarded(kFormName, [&] { Open(ScreenId::kInstitutionCode); });
  TK_ = 0;
}

}  // namespace orvanta
