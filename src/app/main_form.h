#pragma once

// The main screen: start-up, the activation sequence, the main menu and shutdown. Every menu
// command opens one modal screen through the UserInterface; when it closes the command runs
// what follows it (rebuild, save all, activation).
//
// The view calls the handlers below from its tiles (Commands() lists them with their captions),
// its pop-up menu, its timers and its window events, and afterwards asks end_request().
// Handlers never throw: an error is logged and shown through the error box (ReportUnhandledError)
// and the main screen stays usable.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "data/clock.h"

namespace orvanta {

inline constexpr const char* kNeedClassesMessage = "Önce sınıfları girmelisiniz !";
inline constexpr const char* kNeedLessonsMessage = "Önce dersleri girmelisiniz !";
inline constexpr const char* kNeedTeachersMessage = "Önce öğretmenleri girmelisiniz !";
inline constexpr const char* kNeedClassLessonsMessage = "Önce sınıflara ders atamalısınız !";
inline constexpr const char* kNeedTeacherLessonsMessage = "Önce öğretmenlere ders atamalısınız !";
inline constexpr const char* kNeedRoomLessonsMessage = "Önce dersliklere ders atamalısınız !";

class TMainForm {
 public:
  static constexpr const char* kFormName = "TMainForm";

  // What the view must do after a handler returned.
  enum class EndRequest {
    kNone,
    kClose,      // close the window; its close event then calls FormClose
    kTerminate,  // end the program at once, without FormClose
  };

  // One main-menu entry: a tile (or the pop-up menu item) with its caption of one or two lines.
  struct Command {
    std::string_view caption;
    std::string_view second_line;  // empty for a one-line caption
    std::string_view component;    // the control's name, also used in the click log line
    void (TMainForm::*handler)();
  };

  // Creation (FormCreate): data root from app.data, in_pass and in_menu true, the net backup
  // manager initialised. Nothing is opened yet; the first FormActivate does it.
  explicit TMainForm(AppContext& app);
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // The tiles of the menu and the pop-up command, in the order they are laid out.
  static std::span<const Command> Commands();
  // Logs the click on the command's control, then runs its handler.
  void Click(const Command& command);

  // The activation sequence; also run after the screens that replace or change the set.
  void FormActivate();
  // Shutdown: save all, clear the run flag, one more automatic backup. Never throws; errors are
  // logged under ("TMainForm", "FormClose") and the program ends all the same.
  void FormClose();

  // Menu handlers.
  void ProgBtnClick();
  void ProgCopyBtnClick();
  void MaintenanceBtnClick();
  void OptionBtnClick();
  void TransBtnClick();
  void NetBtnClick();
  void ExitBtnClick();
  void imgLessonClick();
  void imgClssClick();
  void imgRoomClick();
  void imgTeacherClick();
  void imgDLCClick();
  void imgClLeClick();
  void imgTeLeClick();
  void imgTeDisClick();
  void imgClDisClick();
  void imgReDisClick();
  void imgBackupClick();
  void imgDumpClick();
  void imgTeDuClick();
  void imgAdditionalCoursesClick();
  void imgInformationClick();
  void PROGRAMISONLANDIR1Click();

  // Double click on the version label: from the second one on, the institution-code dialog.
  void st_versionDblClick();

  // The retention cleaner's timer, ticking every second: runs the cleaner when more than 60
  // minutes have passed since its last run (the first tick always runs it).
  void tmrOldBackupCleanerTimer();
  // The update check's timer.
  void tmrDownloadTimer();

  // What the screen shows.
  const std::string& stProgramName() const { return program_name_; }
  std::string st_version() const;  // "V" major.minor.release.build
  bool TransBtnEnabled() const { return trans_enabled_; }
  // "Test Servisi Çalışıyor" stays hidden.
  bool TestServiceLabelVisible() const { return false; }
  static constexpr int kClientWidth = 950;
  static constexpr int kClientHeight = 675;

  bool in_menu() const { return in_menu_; }
  bool in_pass() const { return in_pass_; }
  bool glsv() const { return glsv_; }
  EndRequest end_request() const { return end_request_; }

 private:
  // Runs a command that must not nest: returns at once while another runs.
  void MenuCommand(const std::function<void()>& body);
  // Runs a step and reports what it throws; false when it threw.
  bool Guarded(std::string_view sender, const std::function<void()>& body);
  // True when the screen is available; otherwise tells the user it is not.
  bool Offer(ScreenId screen);
  // Shows an available screen; true when it closed with OK.
  bool Open(ScreenId screen);

  void Activate();
  void AskEntryPassword();
  void ShowProgramName();
  // A timetable tab whose list prepares empty shows empty_message instead.
  void ShowTimetable(ScreenId screen, const char* empty_message);

  AppContext& app_;
  bool in_menu_ = true;
  bool in_pass_ = true;
  bool glsv_ = false;
  std::optional<LocalDateTime> dLastChackDelteBacupFilesTime_;  // nullopt = never ran
  int TK_ = 0;
  bool trans_enabled_ = false;
  std::string program_name_;
  EndRequest end_request_ = EndRequest::kNone;
};

}  // namespace orvanta
