#include <gtest/gtest.h>

#include "app/prog_copy_form.h"
#include "app/program_sets.h"
#include "data/io_error.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "record_bytes.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

constexpr const char* kCopiedFiles[] = {"option.prg",  "lesson.prg", "clss.prg", "room.prg",
                                        "teacher.prg", "common.prg", "duty.prg"};

class ProgramCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.OpenSet();
    source_ = h_.AddProgramSet("KAYNAK");
    FillSet(source_, "MATEMATIK", 6);
    FillSet(1, "FIZIK", 5);
    MakeCurrent(1);
    h_.OpenSet();
  }

  // Opens the set, gives it a lesson, a class, a room, a teacher, a duty place and a day count,
  // and saves it.
  void FillSet(int no, const char* lesson, int days) {
    MakeCurrent(no);
    h_.OpenSet();
    LessonType l = SetDefaults(h_.data.lessons);
    l.Lesson.SetText(lesson);
    Insert(h_.data, l);
    Insert(h_.data, SetDefaults(h_.data.classes));
    Insert(h_.data, SetDefaults(h_.data.rooms));
    Insert(h_.data, SetDefaults(h_.data.teachers));
    Insert(h_.data, SetDefaults(h_.data.duties));
    h_.data.option.days_in_use = static_cast<uint8_t>(days);
    h_.app.SaveAll();
  }

  void MakeCurrent(int no) {
    for (ProgType& set : h_.data.progs) set.Current = set.No == no ? 1 : 0;
    SaveProgList(h_.data);
  }

  std::map<std::string, std::string> RecordFiles(int no) const {
    std::map<std::string, std::string> files;
    for (const char* name : kCopiedFiles) {
      files[name] = ReadBytes(h_.data.paths.SetFolder(no) / name);
    }
    return files;
  }

  AppHarness h_;
  int source_ = 0;
};

TEST_F(ProgramCopyTest, ListsEveryOtherSetAndNamesSourceAndDestination) {
  TProgCopyForm form(h_.app);
  form.FormActivate();
  EXPECT_EQ(form.RowCount(), 2);
  EXPECT_EQ(form.Cell(0, 1), "1");
  EXPECT_EQ(form.Cell(1, 1), "KAYNAK");
  EXPECT_EQ(form.SourceNo(), source_);
  EXPECT_EQ(form.SourceLabel(), "KAYNAK deki bilgiler");
  EXPECT_EQ(form.DestinationLabel(), "HAFTALIK DERS PROGRAMI ye kopyalanacak");
}

TEST_F(ProgramCopyTest, CopyingSetTwoIntoOpenSetOneGivesSetOneItsDataAndLeavesSetTwoAlone) {
  const auto source_before = FilesBelow(h_.data.paths.SetFolder(source_));
  const auto source_records = RecordFiles(source_);

  TProgCopyForm form(h_.app);
  form.FormActivate();
  form.OkBtnClick();
  EXPECT_TRUE(form.closed());
  EXPECT_EQ(form.result(), ScreenResult::kOk);

  EXPECT_EQ(RecordFiles(1), source_records);
  EXPECT_EQ(FilesBelow(h_.data.paths.SetFolder(source_)), source_before);
  const std::string prog = ReadBytes(h_.data.paths.data_root / "prog.prg");
  EXPECT_EQ(ProgCurrentAt(prog, 0), 1);
  EXPECT_EQ(ProgCurrentAt(prog, 1), 0);

  // The activation that follows opens set 1 with set 2's data.
  h_.OpenSet();
  EXPECT_EQ(h_.data.open_set_no, 1);
  EXPECT_EQ(h_.data.lessons.At(0).Lesson.Text(), "MATEMATIK");
  EXPECT_EQ(h_.data.option.days_in_use, 6);
}

TEST_F(ProgramCopyTest, TheAutomaticBackupIsTakenInTheOpenSetsFolder) {
  std::vector<std::filesystem::path> backed_up;
  h_.app.hooks.automatic_backup = [&](SchoolData& data) { backed_up.push_back(data.set_folder); };
  CopyProgramSetIntoOpenSet(h_.app, source_);
  EXPECT_EQ(backed_up, std::vector<std::filesystem::path>{h_.data.paths.SetFolder(1)});
}

TEST_F(ProgramCopyTest, ADamagedSourceLeavesTheOpenSetCurrentAndItsFilesUnchanged) {
  // A lesson file that is not a whole number of records is read as far as it goes; a No out of
  // range is damage.
  std::string lesson = ReadBytes(h_.data.paths.SetFolder(source_) / "lesson.prg");
  lesson[0] = '\x7f';
  lesson[1] = '\x7f';
  WriteBytes(h_.data.paths.SetFolder(source_) / "lesson.prg", lesson);
  const auto open_before = RecordFiles(1);

  EXPECT_THROW(CopyProgramSetIntoOpenSet(h_.app, source_), IoError);

  EXPECT_EQ(RecordFiles(1), open_before);
  const std::string prog = ReadBytes(h_.data.paths.data_root / "prog.prg");
  EXPECT_EQ(ProgCurrentAt(prog, 0), 1);
  EXPECT_EQ(ProgCurrentAt(prog, 1), 0);
  EXPECT_EQ(h_.data.lessons.At(0).Lesson.Text(), "FIZIK");
}

}  // namespace
}  // namespace orvanta::testing
