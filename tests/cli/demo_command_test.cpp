#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/command_runner.h"
#include "data/program_set_io.h"
#include "engine/demo_school_catalogue.h"
#include "engine/gap_measures.h"
#include "support/temp_dir.h"

namespace orvanta::testing {
namespace {

class DemoCommandTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::vector<std::string>& args) { return RunCommand(root_.path(), args); }

  nlohmann::json Info() {
    const CommandResult info = Run({"info", "--json"});
    EXPECT_EQ(info.exit_code, 0) << info.err;
    return nlohmann::json::parse(info.out);
  }

  // The open set as the desktop program would find it.
  SchoolData Opened() {
    SchoolData data(root_.path());
    cli::ActivateProgramSet(data, clock_);
    return data;
  }

  TempDir root_;
  SystemClock clock_;
};

TEST_F(DemoCommandTest, FillsANewSetAndSavesIt) {
  const CommandResult demo = Run({"demo", "--classes", "8", "--seed", "3"});
  ASSERT_EQ(demo.exit_code, 0) << demo.err;
  EXPECT_NE(demo.out.find("Örnek okul kuruldu: 8 sınıf"), std::string::npos) << demo.out;

  const nlohmann::json info = Info();
  EXPECT_EQ(info["counts"]["classes"], 8);
  EXPECT_EQ(info["counts"]["lessons"], demo::kLessonCount);
  EXPECT_GT(info["counts"]["teachers"], 8);
  EXPECT_GT(info["counts"]["rooms"], 0);
  EXPECT_GT(info["counts"]["class_lessons"], 8 * 10);
  EXPECT_GE(info["counts"]["duty_places"], 5);
  // Only the fixed guidance hour stands in the saved week.
  EXPECT_EQ(info["hours"]["placed"], 1);
  EXPECT_GT(info["hours"]["remaining"], 8 * 30);
}

TEST_F(DemoCommandTest, RefusesASetThatHoldsDefinitions) {
  ASSERT_EQ(Run({"demo", "--classes", "4"}).exit_code, 0);
  const nlohmann::json before = Info();

  const CommandResult again = Run({"demo", "--classes", "12"});
  EXPECT_NE(again.exit_code, 0);
  EXPECT_NE(again.err.find("Açık program boş değil"), std::string::npos) << again.err;
  EXPECT_EQ(Info()["counts"], before["counts"]);
}

TEST_F(DemoCommandTest, RefusesAClassCountOutOfRange) {
  for (const char* classes : {"0", "105", "yirmi"}) {
    EXPECT_NE(Run({"demo", "--classes", classes}).exit_code, 0) << classes;
  }
  EXPECT_EQ(Info()["counts"]["classes"], 0);
}

TEST_F(DemoCommandTest, TheSameSeedWritesTheSameRecordFiles) {
  TempDir other;
  ASSERT_EQ(Run({"demo", "--classes", "6", "--seed", "9"}).exit_code, 0);
  ASSERT_EQ(RunCommand(other.path(), {"demo", "--classes", "6", "--seed", "9"}).exit_code, 0);
  SchoolData here(root_.path());
  SchoolData there(other.path());
  cli::ActivateProgramSet(here, clock_);
  cli::ActivateProgramSet(there, clock_);
  for (const char* file : {kLessonFile, kClassFile, kRoomFile, kTeacherFile, kCommonFile}) {
    EXPECT_EQ(ReadBytes(SetFile(here, file)), ReadBytes(SetFile(there, file))) << file;
  }
}

TEST_F(DemoCommandTest, CheckReportsASoundWeekAndAViolation) {
  ASSERT_EQ(Run({"demo", "--classes", "4"}).exit_code, 0);
  const CommandResult sound = Run({"check"});
  EXPECT_EQ(sound.exit_code, 0);
  EXPECT_EQ(sound.out, "Yerleşim tutarlı.\n");

  SchoolData data = Opened();
  TeacherType& teacher = data.teachers.At(0);
  teacher.Cm(5, 8) = data.commons.At(0).No;  // a lesson the teacher's grid claims but never got
  SaveAll(data);
  const CommandResult broken = Run({"check"});
  EXPECT_EQ(broken.exit_code, 1);
  EXPECT_NE(broken.out.find("Yerleşim tutarsız: Öğretmen"), std::string::npos) << broken.out;
}

TEST_F(DemoCommandTest, AutoplacePlacesTheSchoolAndSavesIt) {
  ASSERT_EQ(Run({"demo", "--classes", "8"}).exit_code, 0);
  const CommandResult run = Run({"autoplace"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  for (const char* line :
       {"Toplam: ", "Yerleşen: ", "Kalan: ", "Boşluk: ", "Tek düşen gün: ", "Süre: "}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << " in " << run.out;
  }
  const nlohmann::json info = Info();
  EXPECT_GT(info["hours"]["placed"], 1);
  EXPECT_EQ(Run({"check"}).exit_code, 0);
}

TEST_F(DemoCommandTest, AutoplaceForOneTeacherPlacesOnlyItsLessons) {
  ASSERT_EQ(Run({"demo", "--classes", "8"}).exit_code, 0);
  const int teacher_no = Opened().teachers.At(1).No;
  const CommandResult run = Run({"autoplace", "--teacher", std::to_string(teacher_no)});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const SchoolData data = Opened();
  for (const CommonType& common : data.commons) {
    if (common.Pt == 0 || common.HasFixedPosition()) continue;
    bool taught_by_teacher = false;
    for (int t = 1; t <= common.TX; ++t) taught_by_teacher |= common.TN(t) == teacher_no;
    EXPECT_TRUE(taught_by_teacher) << "class lesson " << common.No;
  }
  EXPECT_GT(data.teachers.Find(teacher_no)->PUT, 0);
}

TEST_F(DemoCommandTest, AutoplaceRefusesAnUnknownTeacher) {
  ASSERT_EQ(Run({"demo", "--classes", "4"}).exit_code, 0);
  const CommandResult run = Run({"autoplace", "--teacher", "4999"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("öğretmen yok"), std::string::npos) << run.err;
  EXPECT_EQ(Info()["hours"]["placed"], 1);
}

// A placed demo school for the arrangement, and its teacher with the most gaps.
class ArrangeCommandTest : public DemoCommandTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(Run({"demo", "--classes", "8"}).exit_code, 0);
    ASSERT_EQ(Run({"autoplace"}).exit_code, 0);
  }

  int TeacherWithMostGaps() {
    const SchoolData data = Opened();
    int best = 0;
    int most = -1;
    for (const TeacherType& teacher : data.teachers) {
      const int gaps = GapCount(teacher, data.days_in_use);
      if (gaps > most) {
        most = gaps;
        best = teacher.No;
      }
    }
    return best;
  }

  int Gaps(int teacher_no) {
    const SchoolData data = Opened();
    return GapCount(*data.teachers.Find(teacher_no), data.days_in_use);
  }

  int TotalGaps() {
    const SchoolData data = Opened();
    int total = 0;
    for (const TeacherType& teacher : data.teachers) total += GapCount(teacher, data.days_in_use);
    return total;
  }
};

TEST_F(ArrangeCommandTest, GapRemovalTakesGapsAwayAndSaves) {
  const int teacher_no = TeacherWithMostGaps();
  const int before = Gaps(teacher_no);
  ASSERT_GT(before, 2);
  const CommandResult arrange = Run({"arrange", "gaps", "--teacher", std::to_string(teacher_no)});
  EXPECT_EQ(arrange.exit_code, 0) << arrange.out << arrange.err;
  EXPECT_NE(arrange.out.find("İşlem Başarılı !"), std::string::npos) << arrange.out;
  EXPECT_LT(Gaps(teacher_no), before);
  EXPECT_EQ(Run({"check"}).exit_code, 0);
}

TEST_F(ArrangeCommandTest, GapRemovalForAllTeachersSavesAndStaysSound) {
  const int before = TotalGaps();
  const CommandResult arrange = Run({"arrange", "gaps-all"});
  EXPECT_EQ(arrange.exit_code, 0) << arrange.err;
  EXPECT_EQ(arrange.out.find("İşlem"), std::string::npos) << arrange.out;
  EXPECT_LE(TotalGaps(), before);
  EXPECT_EQ(Run({"check"}).exit_code, 0);
}

TEST_F(ArrangeCommandTest, AFailedArrangementSavesNothing) {
  SchoolData data = Opened();
  int teacher_no = 0;
  for (const TeacherType& teacher : data.teachers) {
    bool lone_day = false;
    for (int d = 1; d <= data.days_in_use; ++d) lone_day |= teacher.LTP(d) == 1;
    if (!lone_day) teacher_no = teacher.No;
  }
  ASSERT_NE(teacher_no, 0);
  const std::string teachers_before = ReadBytes(SetFile(data, kTeacherFile));
  const CommandResult arrange = Run({"arrange", "lone", "--teacher", std::to_string(teacher_no)});
  EXPECT_EQ(arrange.exit_code, 1);
  EXPECT_NE(arrange.out.find("İşlem Başarısız !"), std::string::npos) << arrange.out;
  EXPECT_EQ(ReadBytes(SetFile(data, kTeacherFile)), teachers_before);
}

TEST_F(ArrangeCommandTest, RefusesMissingOrUnknownTeachersAndUnknownModes) {
  EXPECT_NE(Run({"arrange", "gaps"}).exit_code, 0);
  EXPECT_NE(Run({"arrange", "balance", "--teacher", "4999"}).exit_code, 0);
  EXPECT_NE(Run({"arrange", "shuffle", "--teacher", "1"}).exit_code, 0);
}

}  // namespace
}  // namespace orvanta::testing
