#include "app/maintenance_form.h"

#include <gtest/gtest.h>

#include <string>

#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

class MaintenanceFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.OpenSet();
    h_.app.hooks.automatic_backup = [this](SchoolData&) { ++backups_; };
    AddLesson("MATEMATİK", 0);
    AddLesson("MÜZİK", 1);
    h_.app.SaveAll();
    backups_ = 0;
    form_.FormActivate();
  }

  void AddLesson(const std::string& name, int elective) {
    LessonType lesson = SetDefaults(h_.data.lessons);
    lesson.Lesson.SetText(name);
    lesson.Spr = elective;
    Insert(h_.data, lesson);
  }

  size_t LessonFileSize() const { return ReadBytes(SetFile(h_.data, kLessonFile)).size(); }

  AppHarness h_;
  TMaintenanceForm form_{h_.app};
  int backups_ = 0;
};

TEST_F(MaintenanceFormTest, TamamWaitsForAChoice) {
  EXPECT_FALSE(form_.choice().has_value());
  EXPECT_FALSE(form_.OkBtnEnabled());
  form_.OkBtnClick();
  EXPECT_TRUE(h_.ui.calls().empty());
  EXPECT_FALSE(form_.closed());
}

TEST_F(MaintenanceFormTest, EveryChoiceAsksAboutItselfAndNothingRunsOnIptal) {
  for (const MaintenanceChoice choice : TMaintenanceForm::kChoices) {
    h_.ui.ClearCalls();
    form_.RadioGroup1Click(choice);
    ASSERT_TRUE(form_.OkBtnEnabled());
    h_.ui.QueueConfirmation(false);
    form_.OkBtnClick();
    ASSERT_EQ(h_.ui.calls().size(), 1u);
    EXPECT_EQ(h_.ui.calls()[0].text, "\"" + std::string(MaintenanceCaption(choice)) +
                                         "\" işlemi yapılacak!\n\nDevam etmek istiyormusunuz?");
  }
  EXPECT_EQ(h_.data.lessons.Count(), 2);
  EXPECT_EQ(backups_, 0);
  EXPECT_FALSE(form_.closed());
}

TEST_F(MaintenanceFormTest, ConfirmedChoiceRunsSavesAndClosesWithOk) {
  form_.RadioGroup1Click(MaintenanceChoice::kElectives);
  form_.OkBtnClick();

  ASSERT_EQ(h_.data.lessons.Count(), 1);
  EXPECT_EQ(h_.data.lessons.At(0).Lesson.Text(), "MATEMATİK");
  EXPECT_EQ(LessonFileSize(), sizeof(LessonType));
  EXPECT_EQ(backups_, 1);
  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
}

TEST_F(MaintenanceFormTest, EraseAllEmptiesTheSetAndForgetsTheLastBackupName) {
  h_.data.option.last_backup_name().SetText("ekim.zip");
  form_.RadioGroup1Click(MaintenanceChoice::kEraseAll);
  form_.OkBtnClick();
  EXPECT_TRUE(h_.data.lessons.Empty());
  EXPECT_EQ(LessonFileSize(), 0u);
  EXPECT_EQ(h_.data.option.last_backup_name().Text(), "");
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
}

TEST_F(MaintenanceFormTest, CancelClosesWithCancel) {
  form_.CancelBtnClick();
  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
}

}  // namespace
}  // namespace orvanta::testing
