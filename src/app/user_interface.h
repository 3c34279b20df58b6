#pragma once

// The one way a screen model talks to the user: the warning dialog "UYARI" for messages and
// confirmations, modal sub-screens opened by identifier, a one-line text dialog and the error
// box. The desktop program implements it with its windows; tests script the answers.
//
// Every call is modal: it returns when the user has closed what it showed. Only the
// user-interface thread calls it.

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Every screen of the system that a screen model can open. The comment names the screen class.
enum class ScreenId {
  // The main screen's own small screens.
  kProgramSets,        // TProgForm "PROGRAMLAR"
  kProgramCopy,        // TProgCopyForm "PROGRAM KOPYALA"
  kOptions,            // TOptionForm "AYARLAR"
  kEntryPassword,      // TEnPassForm "KULLANICI ŞİFRESİ"
  kEntryPasswordEdit,  // TEnPassEditForm "ŞİFRE DEĞİŞTİR"
  kInstitutionCode,    // TNKurumForm "OKUL KURUM KODU"
  // Backups, maintenance and interchange.
  kMaintenance,  // TMaintenanceForm "DOSYA BAKIMI"
  kBackup,       // TBackupForm "YEDEKLEME VE YEDEKTEN GERİ ALMA"
  kInterchange,  // TTransForm
  kNetBackup,    // TfrmBackupManager "Program Yedekleri"
  // School definitions.
  kLessons,                    // TLessonForm
  kClasses,                    // TClssForm "SINIFLAR"
  kRooms,                      // TRoomForm "DERSLİKLER"
  kTeachers,                   // TTeacherForm "ÖĞRETMENLER"
  kDailyLessonCounts,          // TDLCForm
  kClassLessons,               // TCommonForm
  kTeacherAssignmentByLesson,  // TTeLeForm ("Derslere Göre")
  kTeacherAssignmentByClass,   // TTele2Form ("Sınıflara Göre")
  // Timetables: the timetable frame on its teacher, class or room tab.
  kTeacherTimetable,  // "Öğretmenlerin Ders Programı"
  kClassTimetable,    // "Sınıfların Ders Programı "
  kRoomTimetable,     // "Dersliklerin Ders Programı "
  kNewTable,          // TDumpForm
  // Duty, pay, board.
  kDutyRoster,        // TTeDuForm
  kPaySheet,          // TPlDisForm "EK DERS HESAPLAMA"
  kInformationBoard,  // TPanoForm
};

// How a modal screen was closed: "Tamam" (or the screen's own OK command) or anything else.
enum class ScreenResult { kOk, kCancel };

// A one-line text dialog.
struct TextRequest {
  std::string caption;
  std::string prompt;
  std::string initial_text;
  int max_length = 0;       // in characters; 0 = no limit
  bool masked = false;      // shown as "*"
  bool upper_case = false;  // every key upper-cased by the Turkish rule
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The warning dialog as a message: "İptal" is disabled while it is shown.
  virtual void ShowMessage(std::string_view text) = 0;

  // The warning dialog as a confirmation; true when it closed with "Tamam".
  virtual bool Confirm(std::string_view text) = 0;

  // Shows the screen modally. Only called for screens the ScreenRegistry lists as available.
  virtual ScreenResult OpenScreen(ScreenId screen) = 0;

  // The typed text, or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> AskText(const TextRequest& request) = 0;

  // The standard error box, for errors no command handled.
  virtual void ShowError(std::string_view text) = 0;

  // The hourglass cursor while a long step runs; false restores the normal cursor.
  virtual void SetBusy(bool busy) = 0;
};

}  // namespace orvanta
