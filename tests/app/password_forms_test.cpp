#include <gtest/gtest.h>

#include "app/en_pass_edit_form.h"
#include "app/en_pass_form.h"
#include "app/n_kurum_form.h"
#include "record_bytes.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

class PasswordFormsTest : public ::testing::Test {
 protected:
  void SetUp() override { h_.OpenSet(); }

  void SetPassword(const std::string& password) { h_.data.global.entry_password.SetText(password); }
  std::string GlobalFile() const { return ReadBytes(h_.data.paths.maker_folder / "global.prg"); }

  AppHarness h_;
};

TEST_F(PasswordFormsTest, WithoutAPasswordEverythingIsEnabled) {
  TEnPassForm form(h_.app);
  EXPECT_FALSE(form.PasswordSet());
  EXPECT_TRUE(form.ShowsFirstUseInstructions());
  EXPECT_TRUE(form.CommandsEnabled());
  form.OkBtnClick();
  EXPECT_EQ(form.result(), ScreenResult::kOk);
}

TEST_F(PasswordFormsTest, APasswordTypedInAnotherLetterCaseIsAccepted) {
  SetPassword("ŞİFRE1");
  TEnPassForm form(h_.app);
  EXPECT_FALSE(form.ShowsFirstUseInstructions());
  EXPECT_FALSE(form.CommandsEnabled());
  form.Edit1Change("şif");
  EXPECT_FALSE(form.CommandsEnabled());
  form.OkBtnClick();
  EXPECT_FALSE(form.closed());
  form.Edit1Change("şifre1");
  EXPECT_EQ(form.Edit1(), "ŞİFRE1");
  EXPECT_TRUE(form.CommandsEnabled());
  form.OkBtnClick();
  EXPECT_EQ(form.result(), ScreenResult::kOk);
}

TEST_F(PasswordFormsTest, TheTypedPasswordIsCutToSixCharacters) {
  SetPassword("ABCDEF");
  TEnPassForm form(h_.app);
  form.Edit1Change("abcdefg");
  EXPECT_EQ(form.Edit1(), "ABCDEF");
  EXPECT_TRUE(form.CommandsEnabled());
}

TEST_F(PasswordFormsTest, AWrongPasswordLocksChangeAndTheCheckBox) {
  SetPassword("ABC");
  TEnPassForm form(h_.app);
  form.Edit1Change("ABD");
  form.ChangeBtnClick();
  form.CheckBox1Click(true);
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  EXPECT_FALSE(h_.data.global.no_password_prompt);
}

TEST_F(PasswordFormsTest, ChangeOpensTheChangeDialogAndReevaluates) {
  h_.RegisterAllScreens();
  SetPassword("ABC");
  TEnPassForm form(h_.app);
  form.Edit1Change("abc");
  h_.ui.OnScreen(ScreenId::kEntryPasswordEdit, [&] {
    TEnPassEditForm edit(h_.app);
    edit.NewPasswordChange("yeni");
    edit.RepeatChange("YENI");
    EXPECT_FALSE(edit.OkBtnEnabled());  // "yeni" upper-cases to "YENİ", with the dotted İ
    edit.RepeatChange("yeni");
    edit.OkBtnClick();
    return edit.result();
  });
  form.ChangeBtnClick();
  EXPECT_EQ(h_.data.global.entry_password.Text(), "YENİ");
  EXPECT_FALSE(form.CommandsEnabled());  // the typed text is the old password
}

TEST_F(PasswordFormsTest, TwoEmptyFieldsRemoveThePassword) {
  SetPassword("ABC");
  TEnPassEditForm edit(h_.app);
  EXPECT_TRUE(edit.OkBtnEnabled());
  edit.OkBtnClick();
  EXPECT_EQ(edit.result(), ScreenResult::kOk);
  EXPECT_EQ(GlobalFile()[4], 0);  // password length byte
  EXPECT_TRUE(TEnPassForm(h_.app).CommandsEnabled());
}

TEST_F(PasswordFormsTest, DifferentFieldsDisableOkAndCancelChangesNothing) {
  SetPassword("ABC");
  TEnPassEditForm edit(h_.app);
  edit.NewPasswordChange("X");
  EXPECT_FALSE(edit.OkBtnEnabled());
  edit.OkBtnClick();
  EXPECT_FALSE(edit.closed());
  edit.CancelBtnClick();
  EXPECT_EQ(edit.result(), ScreenResult::kCancel);
  EXPECT_EQ(h_.data.global.entry_password.Text(), "ABC");
}

TEST_F(PasswordFormsTest, TheInstitutionCodeIsStoredInTheGlobalRecord) {
  h_.data.global.institution_code.SetText("111");
  TNKurumForm form(h_.app);
  EXPECT_EQ(form.kr_ed(), "111");
  form.kr_edChange("12345678901234");
  form.OkBtnClick();
  EXPECT_EQ(form.result(), ScreenResult::kOk);
  EXPECT_EQ(ShortStringAt(GlobalFile(), 13), "123456789012");
}

}  // namespace
}  // namespace orvanta::testing
