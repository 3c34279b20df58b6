#include "app/warning_form.h"

#include <gtest/gtest.h>

#include "app/screen_events.h"
#include "support/recording_event_log.h"
#include "support/scripted_user_interface.h"

namespace orvanta::testing {
namespace {

TEST(WarningFormTest, AMessageHasNoCancel) {
  TWarningForm form("Önce sınıfları girmelisiniz !", TWarningForm::Use::kMessage);
  EXPECT_FALSE(form.cancel_enabled());
  form.KeyEscape();
  EXPECT_FALSE(form.closed());
  form.KeyEnter();
  EXPECT_TRUE(form.closed());
}

TEST(WarningFormTest, AConfirmationIsTrueOnlyWithOk) {
  TWarningForm yes("Bu kayıt silinecek !", TWarningForm::Use::kConfirmation);
  yes.OkBtnClick();
  EXPECT_TRUE(yes.Confirmed());

  TWarningForm no("Bu kayıt silinecek !", TWarningForm::Use::kConfirmation);
  no.KeyEscape();
  EXPECT_TRUE(no.closed());
  EXPECT_FALSE(no.Confirmed());

  TWarningForm closed_otherwise("Bu kayıt silinecek !", TWarningForm::Use::kConfirmation);
  EXPECT_FALSE(closed_otherwise.Confirmed());
}

TEST(ScreenEventsTest, LinesHaveTheirFixedForms) {
  RecordingEventLog log;
  ScriptedUserInterface ui;
  LogClick(log, "Sil", "btnDel", "TProgForm");
  LogExtraButtonClick(log, "PROGRAMLAR", "TProgForm");
  LogScreenClosed(log, "UYARI", "TWarningForm");
  ReportUnhandledError(log, ui, "TButton", std::runtime_error("disk dolu"));
  EXPECT_EQ(log.lines,
            (std::vector<RecordingEventLog::Line>{
                {"TMainForm", "appEvntMsg", "Clicked Sil (btnDel) button on form TProgForm"},
                {"TMainForm", "appEvntMsg", "PROGRAMLAR clicked on form TProgForm"},
                {"TMainForm", "appEvntCloseMsg", "UYARI(TWarningForm) form is closed"},
                {"TMainForm", "ApplicationEvents1Exception (TButton)", "disk dolu"}}));
  EXPECT_EQ(ui.Errors(), std::vector<std::string>{"disk dolu"});
}

}  // namespace
}  // namespace orvanta::testing
