// The archive and rebuild hooks of the running program, driven through the main screen.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_form.h"
#include "app/program_hooks.h"
#include "data/list_operations.h"
#include "data/paths.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

class ProgramArchiveHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.app.hooks = ProgramHooks(h_.clock, h_.log);
    h_.OpenSet();
  }

  int ArchiveCount() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(BackupFolder(h_.data.set_folder))) {
      count += entry.path().extension() == ".zip";
    }
    return count;
  }

  void Tick() {
    LocalDateTime now = h_.clock.Now();
    ++now.second;
    h_.clock.Set(now);
  }

  AppHarness h_;
};

TEST_F(ProgramArchiveHooksTest, SaveAllMakesAnArchiveOnlyWhenTheDataChanged) {
  h_.app.SaveAll();
  EXPECT_EQ(ArchiveCount(), 1);
  Tick();
  h_.app.SaveAll();
  EXPECT_EQ(ArchiveCount(), 1);

  LessonType lesson = SetDefaults(h_.data.lessons);
  lesson.Lesson.SetText("TARİH");
  Insert(h_.data, lesson);
  Tick();
  h_.app.SaveAll();
  EXPECT_EQ(ArchiveCount(), 2);
}

TEST_F(ProgramArchiveHooksTest, DailyLessonCountCommandRebuildsAfterDefinitionsChange) {
  TeacherType teacher = SetDefaults(h_.data.teachers);
  teacher.Name.SetText("AYŞE");
  teacher.Clss = 9;  // no such class
  Insert(h_.data, teacher);
  TMainForm form(h_.app);

  form.imgDLCClick();

  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{kNeedClassesMessage});
  EXPECT_EQ(h_.data.teachers.At(0).Clss, 0);
}

}  // namespace
}  // namespace orvanta::testing
