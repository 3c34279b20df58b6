#include "app/backup_form.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "data/io_error.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

class BackupFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.OpenSet();
    fs::create_directories(desktop_);
  }

  // A file in the set folder, modified hours_ago hours before now.
  void PutFile(const std::string& name, int hours_ago) {
    const fs::path file = h_.data.set_folder / name;
    WriteBytes(file, "x");
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hours_ago));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int row = 1; row <= form_.FileCount(); ++row) names.push_back(form_.Cell(1, row));
    return names;
  }

  void AddLesson(const std::string& name) {
    LessonType lesson = SetDefaults(h_.data.lessons);
    lesson.Lesson.SetText(name);
    Insert(h_.data, lesson);
  }

  bool Logged(const std::string& handler, const std::string& text) const {
    return h_.log.Contains({"TBackupForm", handler, text});
  }

  AppHarness h_;
  fs::path desktop_ = h_.drive_root / "Masaüstü";
  TBackupForm form_{h_.app, desktop_};
};

TEST_F(BackupFormTest, ListsTheSetFoldersArchivesNewestFirstAndSelectsTheTopOne) {
  PutFile("eski.zip", 30);
  PutFile("yeni.ZIP", 1);
  PutFile("orta.zip", 5);
  PutFile("notlar.txt", 0);
  form_.FormActivate();

  EXPECT_EQ(form_.folder(), h_.data.set_folder);
  EXPECT_EQ(form_.Cell(0, 0), "Kayıt Tarihi");
  EXPECT_EQ(form_.Cell(1, 0), "Dosya Ismi");
  EXPECT_EQ(Names(), (std::vector<std::string>{"yeni.ZIP", "orta.zip", "eski.zip"}));
  EXPECT_EQ(form_.selected_row(), 1);
  EXPECT_EQ(form_.selected_archive(), h_.data.set_folder / "yeni.ZIP");
  EXPECT_TRUE(form_.btnUndoEnabled());
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
}

TEST_F(BackupFormTest, TitleClicksSortEachColumnBothWaysAndKeepTheSelectedFile) {
  PutFile("b.zip", 3);
  PutFile("A.zip", 1);
  PutFile("c.zip", 2);
  form_.FormActivate();
  form_.lvFileClick(2);  // c.zip
  struct Step {
    int column;
    std::vector<std::string> names;
  };
  const Step steps[] = {
      {0, {"b.zip", "c.zip", "A.zip"}},  // same column again: oldest first
      {0, {"A.zip", "c.zip", "b.zip"}},
      {1, {"c.zip", "b.zip", "A.zip"}},  // another column starts descending; A..Z as a..z
      {1, {"A.zip", "b.zip", "c.zip"}},
  };
  for (const Step& step : steps) {
    form_.lvFileColumnClick(step.column);
    EXPECT_EQ(Names(), step.names) << "after a click on column " << step.column;
    EXPECT_EQ(form_.Cell(1, form_.selected_row()), "c.zip");
  }
}

TEST_F(BackupFormTest, AnEmptyFolderSelectsNothingAndDisablesTheArchiveCommands) {
  form_.FormActivate();
  EXPECT_EQ(form_.FileCount(), 0);
  EXPECT_EQ(form_.selected_row(), 0);
  EXPECT_FALSE(form_.btnUndoEnabled());
  EXPECT_FALSE(form_.btnDelEnabled());
  EXPECT_FALSE(form_.PlBtnEnabled());
  EXPECT_FALSE(form_.btnSaveEnabled());
  form_.btnUndoClick();
  EXPECT_TRUE(h_.ui.calls().empty());
}

TEST_F(BackupFormTest, NameFieldDropsSlashesAndKeepsThirtyCharacters) {
  form_.Edit1Change("ekim/yedek\\1");
  EXPECT_EQ(form_.Edit1(), "ekimyedek1");
  form_.Edit1Change(std::string(28, 'a') + "çşğ");
  EXPECT_EQ(form_.Edit1(), std::string(28, 'a') + "çş");
}

TEST_F(BackupFormTest, BackupByNameThenRestoreBringsTheArchivedDataBack) {
  AddLesson("MATEMATİK");
  h_.app.SaveAll();
  form_.FormActivate();
  form_.Edit1Change("Ekim Yedeği");
  form_.btnSaveClick();

  const fs::path archive = h_.data.set_folder / "Ekim Yedeği.zip";
  ASSERT_TRUE(fs::exists(archive));
  EXPECT_EQ(Names(), std::vector<std::string>{"Ekim Yedeği.zip"});
  EXPECT_EQ(form_.Edit1(), "");
  EXPECT_EQ(h_.data.option.last_backup_name().Text(), "Ekim Yedeği.zip");
  const std::string path = PathText(archive);
  EXPECT_TRUE(Logged("btnSaveClick", "Veriler \"" + path + "\" konumuna yedeklenecek!"));
  EXPECT_TRUE(Logged("btnSaveClick", "Veriler yedeklendi."));

  h_.data.lessons.Clear();
  h_.app.SaveAll();
  form_.btnUndoClick();

  ASSERT_EQ(h_.data.lessons.Count(), 1);
  EXPECT_EQ(h_.data.lessons.At(0).Lesson.Text(), "MATEMATİK");
  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{kRestoreDoneMessage});
  EXPECT_TRUE(Logged("btnUndoClick", "Veriler \"" + path + "\" konumundan geri yüklenecek!"));
  EXPECT_TRUE(Logged("btnUndoClick", "Veriler geri yüklendi."));
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
  EXPECT_FALSE(form_.closed());
  form_.btnCloseClick();
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
}

// A backup made right after a restore must carry the restored option record, not the one the
// screen held in memory before the restore.
TEST_F(BackupFormTest, BackupAfterRestoreKeepsTheRestoredOptions) {
  h_.data.option.hours_in_use = 8;
  h_.app.SaveAll();
  form_.FormActivate();
  form_.Edit1Change("sekiz");
  form_.btnSaveClick();
  h_.data.option.hours_in_use = 6;
  h_.app.SaveAll();

  form_.btnUndoClick();
  form_.Edit1Change("sonra");
  form_.btnSaveClick();

  EXPECT_EQ(h_.data.option.hours_in_use, 8);
  EXPECT_EQ(static_cast<unsigned char>(ReadBytes(SetFile(h_.data, kOptionFile))[1]), 8);
}

TEST_F(BackupFormTest, DeleteAsksFirstAndDeletesOnlyOnTamam) {
  PutFile("eski.zip", 2);
  form_.FormActivate();
  const fs::path file = h_.data.set_folder / "eski.zip";
  const std::string quoted = "\"" + PathText(file) + "\" konumundaki yedek silinecek!";

  h_.ui.QueueConfirmation(false);
  form_.btnDelClick();
  ASSERT_EQ(h_.ui.calls().size(), 1u);
  EXPECT_EQ(h_.ui.calls()[0].kind, ScriptedUserInterface::Call::kConfirmation);
  EXPECT_EQ(h_.ui.calls()[0].text, quoted + "\n\nDevam etmek istiyormusunuz?");
  EXPECT_TRUE(fs::exists(file));

  h_.ui.QueueConfirmation(true);
  form_.btnDelClick();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(form_.FileCount(), 0);
  EXPECT_FALSE(form_.btnDelEnabled());
  EXPECT_TRUE(Logged("btnDelClick", quoted));
  EXPECT_TRUE(Logged("btnDelClick", "Yedek silindi."));
}

TEST_F(BackupFormTest, DeletingAnArchiveThatHasGoneThrows) {
  PutFile("eski.zip", 2);
  form_.FormActivate();
  fs::remove(h_.data.set_folder / "eski.zip");
  EXPECT_THROW(form_.btnDelClick(), IoError);
}

TEST_F(BackupFormTest, DesktopArchiveIsNamedByTheFieldOrElseByTheInstitutionCode) {
  h_.data.progs.Find(1)->Kurum_Kodu.SetText("123456");
  AddLesson("FİZİK");
  h_.app.SaveAll();
  form_.FormActivate();

  form_.btnBackupDesktopClick();
  EXPECT_TRUE(fs::exists(desktop_ / "123456.zip"));
  EXPECT_TRUE(Logged("btnBackupDesktopClick", "Veriler yedeklendi."));
  form_.Edit1Change("okul");
  form_.btnBackupDesktopClick();
  EXPECT_TRUE(fs::exists(desktop_ / "okul.zip"));

  h_.data.lessons.Clear();
  h_.app.SaveAll();
  form_.Edit1Change("");
  form_.btnUndoDesktopClick();
  ASSERT_EQ(h_.data.lessons.Count(), 1);
  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{kRestoreDoneMessage});
  EXPECT_TRUE(Logged("btnUndoDesktopClick", "Veriler \"" + PathText(desktop_ / "123456.zip") +
                                                "\" konumundan geri yüklenecek!"));
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
}

TEST_F(BackupFormTest, RestoringAMissingDesktopArchiveThrowsAndLeavesTheResult) {
  form_.FormActivate();
  form_.Edit1Change("yok");
  EXPECT_THROW(form_.btnUndoDesktopClick(), IoError);
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
  EXPECT_TRUE(h_.ui.Messages().empty());
}

TEST_F(BackupFormTest, PayProgramCommandSaysItIsMissingUntilTheScreenExists) {
  PutFile("a.zip", 1);
  form_.FormActivate();
  form_.PlBtnClick();
  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{kNotYetAvailableMessage});
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);

  fs::path handed_over;
  TBackupForm with_screen(h_.app, desktop_, [&](const fs::path& archive) {
    handed_over = archive;
    return ScreenResult::kCancel;
  });
  with_screen.FormActivate();
  with_screen.PlBtnClick();
  EXPECT_EQ(handed_over, h_.data.set_folder / "a.zip");
  EXPECT_EQ(with_screen.result(), ScreenResult::kOk);
}

TEST(BackupFileListTest, DateTextHasTwoDigitFieldsAndAFourDigitYear) {
  EXPECT_EQ(DateTimeText({2024, 3, 5, 14, 7, 9, 42}), "05.03.2024 14:07:09");
}

}  // namespace
}  // namespace orvanta::testing
