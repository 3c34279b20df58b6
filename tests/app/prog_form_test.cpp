#include "app/prog_form.h"

#include <gtest/gtest.h>

#include "app/screen_events.h"
#include "record_bytes.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

class ProgFormTest : public ::testing::Test {
 protected:
  void SetUp() override { h_.OpenSet(); }

  // Sets 1 (open) .. n, then the screen activated.
  void StartWithSets(int n) {
    for (int i = 2; i <= n; ++i) h_.AddProgramSet("SET " + std::to_string(i));
    form_.FormActivate();
  }

  void SelectNo(int no) {
    for (int row = 1; row < form_.RowCount(); ++row) {
      if (form_.Cell(1, row) ==
          (no == 1 ? "HAFTALIK DERS PROGRAMI" : "SET " + std::to_string(no))) {
        form_.SelectRow(row);
        return;
      }
    }
    FAIL() << "no row for set " << no;
  }

  std::string ProgFile() const { return ReadBytes(h_.data.paths.data_root / "prog.prg"); }

  AppHarness h_;
  TProgForm form_{h_.app};
};

TEST_F(ProgFormTest, ShowsOneRowPerSetAfterTheTitles) {
  StartWithSets(1);
  EXPECT_EQ(form_.RowCount(), 2);
  EXPECT_EQ(form_.Cell(0, 0), "No");
  EXPECT_EQ(form_.Cell(1, 0), "Program Adı");
  EXPECT_EQ(form_.Cell(0, 1), "1");
  EXPECT_EQ(form_.Cell(1, 1), "HAFTALIK DERS PROGRAMI");
  EXPECT_EQ(form_.selected_row(), 1);
  EXPECT_EQ(form_.ProgNo(), 1);
  EXPECT_EQ(form_.desState(), TProgForm::desRead);
  EXPECT_FALSE(form_.InsertPanelVisible());
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
}

TEST_F(ProgFormTest, InsertAddsASetWithTheUpperCasedName) {
  StartWithSets(1);
  form_.btnInsertClick();
  EXPECT_TRUE(form_.InsertPanelVisible());
  form_.edtPrgNameChange("yedek şubat");
  EXPECT_EQ(form_.edtPrgName(), "YEDEK ŞUBAT");
  form_.btnSaveClick();

  EXPECT_EQ(form_.RowCount(), 3);
  EXPECT_EQ(form_.Cell(1, 2), "YEDEK ŞUBAT");
  EXPECT_EQ(h_.data.progs.At(1).No, 2);
  EXPECT_EQ(h_.data.progs.At(1).Current, 0);
  EXPECT_FALSE(form_.InsertPanelVisible());
  EXPECT_EQ(form_.edtPrgName(), "");
}

TEST_F(ProgFormTest, EditRenamesTheSelectedSet) {
  StartWithSets(2);
  form_.SelectRow(2);
  form_.btnEditClick();
  EXPECT_EQ(form_.desState(), TProgForm::desEdit);
  EXPECT_EQ(form_.edtPrgName(), "SET 2");
  form_.edtPrgNameChange("ikinci dönem");
  form_.btnSaveClick();
  EXPECT_EQ(form_.Cell(1, 2), "İKİNCİ DÖNEM");
  EXPECT_EQ(form_.RowCount(), 3);
}

TEST_F(ProgFormTest, SaveIsDisabledWithAnEmptyNameAndThenDoesNothing) {
  StartWithSets(1);
  form_.btnInsertClick();
  EXPECT_FALSE(form_.btnSaveEnabled());
  form_.btnSaveClick();  // F4
  EXPECT_EQ(h_.data.progs.Count(), 1);
  EXPECT_TRUE(form_.InsertPanelVisible());
  form_.btnCancelClick();
  EXPECT_FALSE(form_.InsertPanelVisible());
}

TEST_F(ProgFormTest, DeleteIsDisabledForSetOneAndForTheOpenSet) {
  StartWithSets(3);
  h_.data.open_set_no = 2;  // as if set 2 were open
  SelectNo(1);
  EXPECT_FALSE(form_.btnDelEnabled());
  SelectNo(2);
  EXPECT_FALSE(form_.btnDelEnabled());
  SelectNo(3);
  EXPECT_TRUE(form_.btnDelEnabled());

  SelectNo(2);
  form_.btnDelClick();  // F7 while disabled
  EXPECT_EQ(h_.data.progs.Count(), 3);
  EXPECT_TRUE(h_.ui.calls().empty());
}

TEST_F(ProgFormTest, DeleteAsksFirstAndKeepsTheSetWhenCancelled) {
  StartWithSets(2);
  form_.SelectRow(2);
  h_.ui.QueueConfirmation(false);
  form_.btnDelClick();
  ASSERT_EQ(h_.ui.calls().size(), 1u);
  EXPECT_EQ(h_.ui.calls()[0].text, "Bu kayıt silinecek !");
  EXPECT_EQ(h_.data.progs.Count(), 2);
}

struct SelectionCase {
  const char* name;
  int sets;
  int deleted_row;
  int expected_row;
  int expected_no;
};

class ProgFormSelectionTest : public ProgFormTest,
                              public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(ProgFormSelectionTest, SelectionAfterDeleteStaysOnTheRowOrTheNewLastRow) {
  const SelectionCase& c = GetParam();
  StartWithSets(c.sets);
  form_.SelectRow(c.deleted_row);
  form_.btnDelClick();
  EXPECT_EQ(form_.selected_row(), c.expected_row);
  EXPECT_EQ(form_.ProgNo(), c.expected_no);
  EXPECT_EQ(form_.RowCount(), std::max(c.sets, 2));
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgFormSelectionTest,
                         ::testing::Values(SelectionCase{"middle_row", 4, 2, 2, 3},
                                           SelectionCase{"last_row", 4, 4, 3, 3},
                                           SelectionCase{"two_rows", 2, 2, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgFormTest, DeleteRemovesTheSetsFolderAndNothingElse) {
  StartWithSets(3);
  const auto folder3 = h_.data.paths.SetFolder(3);
  std::filesystem::create_directories(folder3 / "yedekler" / "temp");
  WriteBytes(folder3 / "lesson.prg", std::string(292, 'x'));
  std::filesystem::create_directories(h_.data.paths.SetFolder(2));
  WriteBytes(h_.data.paths.SetFolder(2) / "lesson.prg", std::string(292, 'y'));
  auto before = FilesBelow(h_.drive_root);

  SelectNo(3);
  form_.btnDelClick();

  auto after = FilesBelow(h_.drive_root);
  for (auto it = before.begin(); it != before.end();) {
    it = it->first.starts_with("Quillen/Orvanta/03") ? before.erase(it) : std::next(it);
  }
  EXPECT_FALSE(std::filesystem::exists(folder3));
  EXPECT_EQ(after, before);  // prog.prg too: it is written when the screen closes

  form_.FormClose();
  const std::string prog = ProgFile();
  ASSERT_EQ(prog.size(), 2 * kProgSize);
  EXPECT_EQ(ProgNoAt(prog, 0), 1);
  EXPECT_EQ(ProgNoAt(prog, 1), 2);
}

TEST_F(ProgFormTest, DeletingLeavesAtLeastOneCurrentSet) {
  StartWithSets(3);
  // A list in which only the set about to go is marked current.
  for (ProgType& set : h_.data.progs) set.Current = set.No == 3 ? 1 : 0;
  SelectNo(3);
  form_.btnDelClick();
  EXPECT_EQ(h_.data.progs.At(0).Current, 1);
  EXPECT_EQ(h_.data.progs.At(1).Current, 0);
}

TEST_F(ProgFormTest, OpenMakesTheSelectedSetCurrentSavesAndClosesWithOk) {
  StartWithSets(2);
  h_.data.lessons.Append(LessonType{.No = 1, .RecNo = 1});
  form_.SelectRow(2);
  form_.btnOpenClick();

  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
  const std::string prog = ProgFile();
  EXPECT_EQ(ProgCurrentAt(prog, 0), 0);
  EXPECT_EQ(ProgCurrentAt(prog, 1), 1);
  // Saved while set 1's folder was still the open one.
  EXPECT_EQ(ReadBytes(h_.data.paths.SetFolder(1) / "lesson.prg").size(), 292u);
}

TEST_F(ProgFormTest, CloseKeepsThePresetCancelAndWritesProgPrg) {
  StartWithSets(1);
  form_.btnInsertClick();
  form_.edtPrgNameChange("YENİ");
  form_.btnSaveClick();
  form_.btnCloseClick();
  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
  form_.FormClose();
  EXPECT_EQ(ProgFile().size(), 2 * kProgSize);
  EXPECT_TRUE(
      h_.log.Contains({"TMainForm", "appEvntCloseMsg", "PROGRAMLAR(TProgForm) form is closed"}));
  EXPECT_TRUE(h_.log.Contains(
      {"TMainForm", "appEvntMsg", "Clicked Kaydet (btnSave) button on form TProgForm"}));
}

}  // namespace
}  // namespace orvanta::testing
