#include "app/trans_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "data/archive/archive_error.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "support/app_harness.h"
#include "support/byte_fixture.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

// lesson.prg2: 186-byte records; number at 0, name at 2, short name at 33, weekly hours at 46,
// block lengths at 50..56.
std::string OldLesson(int number, const std::string& name, int weekly_hours) {
  ByteFixture record(186);
  record.Byte(0, number).String(2, name).String(33, name.substr(0, 3)).Byte(46, weekly_hours);
  record.Byte(50, weekly_hours);
  return record.bytes();
}

class TransFormTest : public ::testing::Test {
 protected:
  void SetUp() override { h_.OpenSet(); }

  fs::path OldFolder() const { return h_.drive_root / "quillen" / "orvanta" / "program1"; }

  AppHarness h_;
  std::optional<std::string> chosen_;
  TTransForm form_{h_.app, [this](std::string_view filter) {
                     filter_ = std::string(filter);
                     return chosen_;
                   }};
  std::string filter_;
};

TEST_F(TransFormTest, WithoutAFileNameTheOldDefaultFolderIsImportedAndSaved) {
  fs::create_directories(OldFolder());
  WriteBytes(OldFolder() / "LESSON.PRG2", OldLesson(3, "FIZIK", 2) + OldLesson(4, "KIMYA", 1));
  form_.OkBtnClick();

  ASSERT_EQ(h_.data.lessons.Count(), 2);
  EXPECT_NE(h_.data.lessons.Find(3), nullptr);
  EXPECT_EQ(h_.data.lessons.Find(3)->Lesson.Text(), "FIZIK");
  EXPECT_EQ(ReadBytes(SetFile(h_.data, kLessonFile)).size(), 2 * sizeof(LessonType));
  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
  // The other old files are missing: the user is told, and the log has each note.
  ASSERT_EQ(h_.ui.Messages().size(), 1u);
  EXPECT_NE(h_.ui.Messages()[0].find("clss.prg2"), std::string::npos);
  bool logged = false;
  for (const auto& line : h_.log.lines) logged |= line.unit == "TTransForm";
  EXPECT_TRUE(logged);
}

TEST_F(TransFormTest, ADamagedOldArchiveIsReportedAfterTheScreenClosedWithOk) {
  const fs::path archive = h_.drive_root / "eski.zip";
  WriteBytes(archive, "bu bir arşiv değil");
  chosen_ = archive.string();
  form_.OpenBtnClick();
  EXPECT_EQ(filter_, "zip dosyası|*.zip");
  EXPECT_EQ(form_.Edit1(), archive.string());

  EXPECT_THROW(form_.OkBtnClick(), DamagedArchiveError);
  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
  EXPECT_TRUE(h_.data.lessons.Empty());
}

TEST_F(TransFormTest, TypingStopsAtTwelveCharactersButAChosenPathCanBeEditedDown) {
  form_.Edit1Change("abcdefghijklmnop");
  EXPECT_EQ(form_.Edit1(), "abcdefghijkl");
  chosen_ = "/uzun/bir/klasör/eski.zip";
  form_.OpenBtnClick();
  form_.Edit1Change("/uzun/bir/klasör/eski.zi");
  EXPECT_EQ(form_.Edit1(), "/uzun/bir/klasör/eski.zi");
  chosen_.reset();
  form_.OpenBtnClick();  // cancelled: the field stays
  EXPECT_EQ(form_.Edit1(), "/uzun/bir/klasör/eski.zi");
}

TEST_F(TransFormTest, ASetThatHoldsDataIsNeverImportedInto) {
  LessonType lesson = SetDefaults(h_.data.lessons);
  lesson.Lesson.SetText("TARİH");
  Insert(h_.data, lesson);
  fs::create_directories(OldFolder());
  WriteBytes(OldFolder() / "LESSON.PRG2", OldLesson(3, "FIZIK", 2));
  form_.OkBtnClick();
  ASSERT_EQ(h_.data.lessons.Count(), 1);
  EXPECT_EQ(h_.data.lessons.At(0).Lesson.Text(), "TARİH");
  EXPECT_FALSE(form_.closed());
}

TEST_F(TransFormTest, IptalClosesWithCancel) {
  form_.CancelBtnClick();
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
  EXPECT_TRUE(form_.closed());
}

}  // namespace
}  // namespace orvanta::testing
