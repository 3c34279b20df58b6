#include "app/main_form.h"

#include <gtest/gtest.h>

#include "data/io_error.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"
#include "record_bytes.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

// global.prg: run flag at offset 0, entry password at 4.
constexpr size_t kGlobalSize = 316;

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    h_.RegisterAllScreens();
    h_.app.hooks.initialise_pay = [&](SchoolData&) { steps_.push_back("pay"); };
    h_.app.hooks.place_fixed_positions = [&](SchoolData&) { steps_.push_back("fixed"); };
    h_.app.hooks.clear_timetable_selections = [&] { steps_.push_back("selections"); };
    h_.app.hooks.rebuild_after_definitions_change = [&](SchoolData&) {
      steps_.push_back("rebuild");
    };
    h_.app.hooks.automatic_backup = [&](SchoolData&) { steps_.push_back("backup"); };
    h_.app.hooks.set_pay_marks = [&](SchoolData&) { steps_.push_back("set marks"); };
    h_.app.hooks.clear_pay_marks = [&](SchoolData&) { steps_.push_back("clear marks"); };
  }

  // The first activation, with the entry password dialog answered OK.
  void Start() {
    h_.ui.QueueScreenResult(ScreenId::kEntryPassword, ScreenResult::kOk);
    form_.FormActivate();
    h_.ui.ClearCalls();
    steps_.clear();
  }

  void RecordScreen(ScreenId screen, ScreenResult result = ScreenResult::kCancel) {
    h_.ui.OnScreen(screen, [this, screen, result] {
      steps_.push_back("screen " + std::to_string(static_cast<int>(screen)));
      return result;
    });
  }

  std::string GlobalFile() const { return ReadBytes(h_.data.paths.maker_folder / "global.prg"); }
  int ActivationCount() const {
    int count = 0;
    for (const auto& line : h_.log.lines)
      count += line.method == "FormActivate" && line.text == "Start";
    return count;
  }

  AppHarness h_;
  std::vector<std::string> steps_;
  TMainForm form_{h_.app};
};

TEST_F(MainFormTest, FirstActivationOpensTheSetAsksThePasswordAndSetsTheRunFlag) {
  h_.ui.QueueScreenResult(ScreenId::kEntryPassword, ScreenResult::kOk);
  EXPECT_TRUE(form_.in_pass());
  form_.FormActivate();

  EXPECT_EQ(form_.stProgramName(), "HAFTALIK DERS PROGRAMI");
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kEntryPassword});
  EXPECT_EQ(Int32At(GlobalFile(), 0), 1);
  EXPECT_TRUE(form_.glsv());
  EXPECT_FALSE(form_.in_pass());
  EXPECT_FALSE(h_.ui.busy());
  EXPECT_EQ(steps_, (std::vector<std::string>{"pay", "fixed", "selections"}));
  EXPECT_TRUE(h_.log.Contains({"TMainForm", "FormActivate", "Start"}));
  EXPECT_TRUE(h_.log.Contains({"TMainForm", "FormActivate", "End"}));
  EXPECT_EQ(form_.end_request(), TMainForm::EndRequest::kNone);
}

TEST_F(MainFormTest, ARunFlagLeftAtOneSkipsThePassword) {
  h_.OpenSet();
  h_.data.global.run_flag = 1;
  h_.data.global.entry_password.SetText("GİZLİ");
  WriteGlobalRecord(h_.data);
  form_.FormActivate();
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  EXPECT_EQ(form_.end_request(), TMainForm::EndRequest::kNone);
}

TEST_F(MainFormTest, TheNoPromptFlagSkipsThePassword) {
  h_.OpenSet();
  h_.data.global.no_password_prompt = true;
  WriteGlobalRecord(h_.data);
  form_.FormActivate();
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  EXPECT_EQ(Int32At(GlobalFile(), 0), 0);
}

TEST_F(MainFormTest, APasswordDialogNotClosedWithOkClosesTheMainScreen) {
  form_.FormActivate();  // the dialog closes with cancel
  EXPECT_EQ(form_.end_request(), TMainForm::EndRequest::kClose);
  EXPECT_EQ(Int32At(GlobalFile(), 0), 0);
}

TEST_F(MainFormTest, WithoutAPasswordDialogNobodyGetsIn) {
  ScreenRegistry empty;
  AppContext app{h_.data, h_.clock, h_.ui, h_.log, empty, h_.app.hooks};
  TMainForm form(app);
  form.FormActivate();
  EXPECT_EQ(form.end_request(), TMainForm::EndRequest::kClose);
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
}

TEST_F(MainFormTest, ThePasswordIsAskedOnlyAtTheFirstActivation) {
  Start();
  h_.data.global.run_flag = 0;  // as if it had never been written
  h_.ui.QueueScreenResult(ScreenId::kProgramSets, ScreenResult::kOk);
  form_.ProgBtnClick();
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kProgramSets});
  EXPECT_EQ(ActivationCount(), 2);
}

TEST_F(MainFormTest, TheProgramNameCarriesTheLastBackupName) {
  h_.OpenSet();
  h_.data.option.last_backup_name().SetText("20241007_093000.ybk");
  WriteOptionRecord(h_.data);
  Start();
  EXPECT_EQ(form_.stProgramName(), "HAFTALIK DERS PROGRAMI (Yedek:20241007_093000)");
}

TEST_F(MainFormTest, HourRowsAreTheLargerOfTheOptionAndTheLastLessonHourOfAnyClass) {
  h_.OpenSet();
  h_.data.option.hours_in_use = 8;
  ClssType clss = SetDefaults(h_.data.classes);
  Insert(h_.data, clss);
  h_.app.SaveAll();
  h_.app.hooks.place_fixed_positions = [](SchoolData& data) {
    data.classes.At(0).LC1(3) = 1;
    data.classes.At(0).LC2(3) = 10;
  };
  Start();
  EXPECT_EQ(h_.data.hour_rows, 10);
}

TEST_F(MainFormTest, TransIsEnabledOnlyWhileTheDefinitionsAreEmpty) {
  Start();
  EXPECT_TRUE(form_.TransBtnEnabled());
  Insert(h_.data, SetDefaults(h_.data.rooms));
  h_.app.SaveAll();
  h_.ui.QueueScreenResult(ScreenId::kOptions, ScreenResult::kOk);
  form_.OptionBtnClick();
  EXPECT_FALSE(form_.TransBtnEnabled());
  h_.ui.ClearCalls();
  form_.TransBtnClick();
  EXPECT_TRUE(h_.ui.calls().empty());
}

TEST_F(MainFormTest, AFailedFirstOpenIsShownAndCloseThenWritesNothing) {
  std::filesystem::create_directories(h_.data.paths.data_root);
  const std::string damaged(100, '\x7f');  // a No far above 5000
  WriteBytes(h_.data.paths.data_root / "prog.prg", damaged + damaged);
  form_.FormActivate();

  ASSERT_EQ(h_.ui.Errors().size(), 1u);
  EXPECT_TRUE(h_.log.Contains({"TMainForm", "FormActivate", "End"}));
  EXPECT_EQ(h_.log.lines.back().method, "ApplicationEvents1Exception (TMainForm)");
  EXPECT_FALSE(form_.in_pass());
  EXPECT_FALSE(h_.ui.busy());

  form_.FormClose();
  EXPECT_EQ(ReadBytes(h_.data.paths.data_root / "prog.prg"), damaged + damaged);
  EXPECT_FALSE(std::filesystem::exists(h_.data.paths.maker_folder / "global.prg"));
}

TEST_F(MainFormTest, CloseSavesClearsTheRunFlagAndBacksUpOnceMore) {
  Start();
  Insert(h_.data, SetDefaults(h_.data.teachers));
  form_.FormClose();
  EXPECT_EQ(Int32At(GlobalFile(), 0), 0);
  EXPECT_EQ(GlobalFile().size(), kGlobalSize);
  EXPECT_EQ(ReadBytes(h_.data.set_folder / "teacher.prg").size(), 7060u);
  EXPECT_EQ(steps_, (std::vector<std::string>{"backup", "backup"}));
}

TEST_F(MainFormTest, AnErrorWhileClosingIsLoggedAndEndsQuietly) {
  Start();
  std::filesystem::remove(h_.data.set_folder / "lesson.prg");
  std::filesystem::create_directories(h_.data.set_folder / "lesson.prg" / "blocked");
  form_.FormClose();
  ASSERT_FALSE(h_.log.lines.empty());
  EXPECT_EQ(h_.log.lines.back().method, "FormClose");
  EXPECT_TRUE(h_.ui.Errors().empty());
}

TEST_F(MainFormTest, ExitClosesAndTheSafetyExitTerminates) {
  Start();
  form_.ExitBtnClick();
  EXPECT_EQ(form_.end_request(), TMainForm::EndRequest::kClose);
  TMainForm other(h_.app);
  other.PROGRAMISONLANDIR1Click();
  EXPECT_EQ(other.end_request(), TMainForm::EndRequest::kTerminate);
}

TEST_F(MainFormTest, AScreenThatIsNotBuiltYetSaysSoAndNothingElseRuns) {
  ScreenRegistry only_password;
  only_password.Register(ScreenId::kEntryPassword);
  AppContext app{h_.data, h_.clock, h_.ui, h_.log, only_password, h_.app.hooks};
  TMainForm form(app);
  h_.ui.QueueScreenResult(ScreenId::kEntryPassword, ScreenResult::kOk);
  form.FormActivate();
  h_.ui.ClearCalls();
  steps_.clear();

  form.imgLessonClick();
  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{"Bu işlev henüz kullanılamıyor."});
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  EXPECT_TRUE(steps_.empty());
  EXPECT_TRUE(form.in_menu());
}

struct PrerequisiteCase {
  const char* name;
  void (TMainForm::*command)();
  int classes, lessons, teachers, commons;
  bool list_prepared;
  const char* message;  // nullptr: the screen opens
};

class MainFormPrerequisiteTest : public MainFormTest,
                                 public ::testing::WithParamInterface<PrerequisiteCase> {};

TEST_P(MainFormPrerequisiteTest, MissingPrerequisitesAreReportedAndNothingOpens) {
  const PrerequisiteCase& c = GetParam();
  Start();
  for (int i = 0; i < c.classes; ++i) Insert(h_.data, SetDefaults(h_.data.classes));
  for (int i = 0; i < c.lessons; ++i) Insert(h_.data, SetDefaults(h_.data.lessons));
  for (int i = 0; i < c.teachers; ++i) Insert(h_.data, SetDefaults(h_.data.teachers));
  for (int i = 0; i < c.commons; ++i) h_.data.commons.Append(CommonType{.No = i + 1});
  for (ScreenId screen : {ScreenId::kTeacherAssignmentByLesson, ScreenId::kTeacherTimetable,
                          ScreenId::kClassTimetable, ScreenId::kRoomTimetable}) {
    h_.screens.Register(screen, [&c] { return c.list_prepared; });
  }
  (form_.*c.command)();
  if (c.message == nullptr) {
    EXPECT_TRUE(h_.ui.Messages().empty());
    EXPECT_EQ(h_.ui.OpenedScreens().size(), 1u);
  } else {
    EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MainFormPrerequisiteTest,
    ::testing::Values(
        PrerequisiteCase{"daily_counts_no_classes", &TMainForm::imgDLCClick, 0, 0, 0, 0, true,
                         "Önce sınıfları girmelisiniz !"},
        PrerequisiteCase{"daily_counts", &TMainForm::imgDLCClick, 1, 0, 0, 0, true, nullptr},
        PrerequisiteCase{"class_lessons_no_classes", &TMainForm::imgClLeClick, 0, 1, 0, 0, true,
                         "Önce sınıfları girmelisiniz !"},
        PrerequisiteCase{"class_lessons_no_lessons", &TMainForm::imgClLeClick, 1, 0, 0, 0, true,
                         "Önce dersleri girmelisiniz !"},
        PrerequisiteCase{"class_lessons", &TMainForm::imgClLeClick, 1, 1, 0, 0, true, nullptr},
        PrerequisiteCase{"assignment_no_teachers", &TMainForm::imgTeLeClick, 1, 1, 0, 0, true,
                         "Önce öğretmenleri girmelisiniz !"},
        PrerequisiteCase{"assignment_empty_list", &TMainForm::imgTeLeClick, 1, 1, 1, 0, false,
                         "Önce sınıflara ders atamalısınız !"},
        PrerequisiteCase{"assignment", &TMainForm::imgTeLeClick, 1, 1, 1, 0, true, nullptr},
        PrerequisiteCase{"teacher_timetable_no_class_lessons", &TMainForm::imgTeDisClick, 1, 1, 1,
                         0, true, "Önce öğretmenlere ders atamalısınız !"},
        PrerequisiteCase{"teacher_timetable_empty_list", &TMainForm::imgTeDisClick, 1, 1, 1, 1,
                         false, "Önce öğretmenlere ders atamalısınız !"},
        PrerequisiteCase{"teacher_timetable", &TMainForm::imgTeDisClick, 1, 1, 1, 1, true, nullptr},
        PrerequisiteCase{"class_timetable_empty", &TMainForm::imgClDisClick, 1, 1, 1, 1, false,
                         "Önce öğretmenlere ders atamalısınız !"},
        PrerequisiteCase{"room_timetable_empty", &TMainForm::imgReDisClick, 1, 1, 1, 1, false,
                         "Önce dersliklere ders atamalısınız !"},
        PrerequisiteCase{"room_timetable", &TMainForm::imgReDisClick, 1, 1, 1, 1, true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, DutyRosterOpensOnlyWithTeachersAndSaysNothingOtherwise) {
  Start();
  form_.imgTeDuClick();
  EXPECT_TRUE(h_.ui.calls().empty());
  Insert(h_.data, SetDefaults(h_.data.teachers));
  form_.imgTeDuClick();
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kDutyRoster});
}

TEST_F(MainFormTest, TeacherAssignmentFollowsTheAssignmentMode) {
  Start();
  Insert(h_.data, SetDefaults(h_.data.teachers));
  h_.data.option.teacher_assignment_mode() = 1;
  form_.imgTeLeClick();
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kTeacherAssignmentByClass});
}

TEST_F(MainFormTest, CommandsRunWhatFollowsTheirScreenInOrder) {
  Start();
  RecordScreen(ScreenId::kLessons);
  form_.imgLessonClick();
  EXPECT_EQ(steps_, (std::vector<std::string>{"screen " + std::to_string(int(ScreenId::kLessons)),
                                              "rebuild", "backup"}));

  steps_.clear();
  RecordScreen(ScreenId::kBackup);
  form_.imgBackupClick();
  EXPECT_EQ(steps_, (std::vector<std::string>{"set marks", "backup",
                                              "screen " + std::to_string(int(ScreenId::kBackup)),
                                              "clear marks"}));

  steps_.clear();
  form_.imgAdditionalCoursesClick();  // no teachers: only the marks are cleared
  EXPECT_EQ(steps_, std::vector<std::string>{"clear marks"});
}

TEST_F(MainFormTest, ProgramCopyOpensNothingWithASingleSet) {
  Start();
  form_.ProgCopyBtnClick();
  EXPECT_TRUE(h_.ui.calls().empty());

  h_.AddProgramSet("İKİNCİ");
  form_.ProgCopyBtnClick();
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kProgramCopy});
}

TEST_F(MainFormTest, CommandsDoNotNestButRoomsAndTeachersOpenDirectly) {
  Start();
  bool in_menu_inside = true;
  h_.ui.OnScreen(ScreenId::kOptions, [&] {
    in_menu_inside = form_.in_menu();
    form_.ProgBtnClick();
    form_.imgClssClick();
    form_.imgRoomClick();
    return ScreenResult::kCancel;
  });
  form_.OptionBtnClick();
  EXPECT_FALSE(in_menu_inside);
  EXPECT_EQ(h_.ui.OpenedScreens(), (std::vector<ScreenId>{ScreenId::kOptions, ScreenId::kRooms}));
  EXPECT_TRUE(form_.in_menu());
}

TEST_F(MainFormTest, AFailingCommandIsReportedAndTheMenuStaysUsable) {
  Start();
  h_.ui.OnScreen(ScreenId::kClasses, []() -> ScreenResult {
    throw IoError("\"clss.prg\" dosyası yazılamadı", "clss.prg");
  });
  form_.imgClssClick();
  EXPECT_EQ(h_.ui.Errors(), std::vector<std::string>{"\"clss.prg\" dosyası yazılamadı"});
  EXPECT_TRUE(h_.log.Contains(
      {"TMainForm", "ApplicationEvents1Exception (TMainForm)", "\"clss.prg\" dosyası yazılamadı"}));
  EXPECT_TRUE(form_.in_menu());
  form_.imgInformationClick();
  EXPECT_EQ(h_.ui.OpenedScreens().back(), ScreenId::kInformationBoard);
}

TEST_F(MainFormTest, NetBackupSavesShowsTheScreenAndReopensTheSet) {
  Start();
  h_.ui.OnScreen(ScreenId::kNetBackup, [&] {
    // A restore replaces the files of the open set.
    SchoolData restored(h_.drive_root);
    restored.set_folder = h_.data.set_folder;
    restored.option = h_.data.option;
    restored.global = h_.data.global;
    Insert(restored, SetDefaults(restored.rooms));
    SaveAll(restored);
    return ScreenResult::kCancel;
  });
  form_.NetBtnClick();
  EXPECT_EQ(steps_.front(), "backup");
  EXPECT_EQ(h_.data.rooms.Count(), 1);
}

TEST_F(MainFormTest, ClickingATileLogsItsCaptionAndComponent) {
  Start();
  for (const TMainForm::Command& command : TMainForm::Commands()) {
    if (command.component == "imgClLe") form_.Click(command);
  }
  EXPECT_TRUE(h_.log.Contains({"TMainForm", "appEvntMsg",
                               "Clicked Sınıflarda Okutulan Dersler (imgClLe) button on form "
                               "TMainForm"}));
  EXPECT_EQ(h_.ui.Messages(), std::vector<std::string>{"Önce sınıfları girmelisiniz !"});
}

TEST_F(MainFormTest, TheRetentionCleanerRunsAtMostOnceAnHour) {
  Start();
  std::vector<std::filesystem::path> cleaned;
  h_.app.hooks.clean_old_backups = [&](const std::filesystem::path& folder) {
    cleaned.push_back(folder);
  };
  form_.tmrOldBackupCleanerTimer();
  ASSERT_EQ(cleaned.size(), 1u);
  EXPECT_EQ(cleaned[0], BackupFolder(h_.data.set_folder));
  h_.clock.Set({2024, 10, 7, 10, 30, 0, 0});  // exactly 60 minutes later
  form_.tmrOldBackupCleanerTimer();
  EXPECT_EQ(cleaned.size(), 1u);
  h_.clock.Set({2024, 10, 7, 10, 30, 1, 0});
  form_.tmrOldBackupCleanerTimer();
  EXPECT_EQ(cleaned.size(), 2u);

  h_.app.hooks.clean_old_backups = [](const std::filesystem::path&) {
    throw std::runtime_error("kilitli");
  };
  h_.clock.Set({2024, 10, 8, 0, 0, 0, 0});
  form_.tmrOldBackupCleanerTimer();
  EXPECT_TRUE(h_.log.Contains({"TMainForm", "tmrOldBackupCleanerTimer", "kilitli"}));
  EXPECT_TRUE(h_.ui.Errors().empty());
}

TEST_F(MainFormTest, TheInstitutionCodeDialogOpensFromTheSecondDoubleClick) {
  Start();
  form_.st_versionDblClick();
  EXPECT_TRUE(h_.ui.OpenedScreens().empty());
  form_.st_versionDblClick();
  EXPECT_EQ(h_.ui.OpenedScreens(), std::vector<ScreenId>{ScreenId::kInstitutionCode});
  form_.st_versionDblClick();  // the counter starts again after the dialog closed
  EXPECT_EQ(h_.ui.OpenedScreens().size(), 1u);
}

TEST_F(MainFormTest, TheVersionLabelShowsFourNumbers) {
  const std::string version = form_.st_version();
  ASSERT_EQ(version[0], 'V');
  EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 3);
}

}  // namespace
}  // namespace orvanta::testing
