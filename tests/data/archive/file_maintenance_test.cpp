#include "data/archive/file_maintenance.h"

#include <gtest/gtest.h>

#include "data/archive/school_fixture.h"
#include "engine/hour_operations.h"

namespace orvanta::testing {
namespace {

class FileMaintenanceTest : public SchoolTest {
 protected:
  FileMaintenanceTest() {
    math_ = AddLesson("MATEMATİK", 4);
    class_a_ = AddClass("9 A");
    class_b_ = AddClass("9 B");
    teacher_ = AddTeacher("AYŞE KAYA");
    room_ = AddRoom("LAB");
  }

  void Maintain(MaintenanceChoice choice) {
    SetMaintenance(data(), choice);
    ExpectInvariants();
  }

  // The set as the files hold it after the save.
  std::unique_ptr<SchoolData> Reopened() {
    auto reopened = std::make_unique<SchoolData>(root_.path());
    OpenProgramSet(*reopened, clock_);
    return reopened;
  }

  int math_, class_a_, class_b_, teacher_, room_;
};

TEST_F(FileMaintenanceTest, ClassLessonWhoseOnlyClassIsGoneIsRemoved) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(common, 1, 1, 2);
  data().classes.Delete(class_a_);

  Maintain(MaintenanceChoice::kFull);

  EXPECT_FALSE(data().commons.Has(common));
  EXPECT_EQ(Teacher(teacher_).Cm(1, 1), 0);
  EXPECT_EQ(Teacher(teacher_).PUT, 0);
  EXPECT_EQ(Reopened()->commons.Count(), 0);
}

TEST_F(FileMaintenanceTest, JointLessonKeepsTheClassThatIsLeft) {
  const int joint = AddClassLesson(math_, {class_a_, class_b_}, {teacher_});
  Common(joint).use_cn = true;
  Common(joint).cn_name.SetText("9 AB");
  Place(joint, 2, 3, 2);
  data().classes.Delete(class_a_);

  Maintain(MaintenanceChoice::kFull);

  const CommonType& kept = Common(joint);
  EXPECT_EQ(kept.CX, 1);
  EXPECT_EQ(kept.CN(1), class_b_);
  EXPECT_EQ(kept.CN(2), 0);
  EXPECT_FALSE(kept.use_cn);
  EXPECT_TRUE(kept.cn_name.Empty());
  EXPECT_EQ(kept.Pt, 2) << "the rebuild puts the hours back for the class left";
}

TEST_F(FileMaintenanceTest, ClassLessonOfAMissingLessonIsRemovedWithItsHours) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_}, {room_});
  Place(common, 3, 1);
  data().lessons.Delete(math_);

  Maintain(MaintenanceChoice::kFull);

  EXPECT_EQ(data().commons.Count(), 0);
  EXPECT_EQ(Class(class_a_).Cm(3, 1), 0);
  EXPECT_EQ(Room(room_).Cm(3, 1), 0);
}

TEST_F(FileMaintenanceTest, TeachersAndRoomsAreKeptOnceAndOnlyWhenTheyExist) {
  const int second = AddTeacher("ALİ VURAL");
  const int common =
      AddClassLesson(math_, {class_a_}, {teacher_, 99, teacher_, second}, {room_, room_, 42});

  Maintain(MaintenanceChoice::kFull);

  const CommonType& repaired = Common(common);
  EXPECT_EQ(repaired.TX, 2);
  EXPECT_EQ(repaired.TN(1), teacher_);
  EXPECT_EQ(repaired.TN(2), second);
  EXPECT_EQ(repaired.TN(3), 0);
  EXPECT_EQ(repaired.RX, 1);
  EXPECT_EQ(repaired.RN(1), room_);
}

TEST_F(FileMaintenanceTest, TeacherCountersFollowTheGrid) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(common, 1, 1, 3);
  Teacher(teacher_).PUT = 200;
  Teacher(teacher_).LTP(4) = 9;

  Maintain(MaintenanceChoice::kFull);

  EXPECT_EQ(Teacher(teacher_).PUT, 3);
  EXPECT_EQ(Teacher(teacher_).LTP(1), 3);
  EXPECT_EQ(Teacher(teacher_).LTP(4), 0);
}

TEST_F(FileMaintenanceTest, DeletingTheClassLessonsOfEveryClassUnplacesThem) {
  const int a = AddClassLesson(math_, {class_a_}, {teacher_});
  const int joint = AddClassLesson(math_, {class_a_, class_b_}, {teacher_});
  Place(a, 1, 1);
  Place(joint, 1, 2);

  Maintain(MaintenanceChoice::kClassLessons);

  EXPECT_EQ(data().commons.Count(), 0);
  EXPECT_EQ(Teacher(teacher_).PUT, 0);
  EXPECT_EQ(Class(class_b_).Cm(1, 2), 0);
  EXPECT_EQ(Reopened()->commons.Count(), 0);
}

TEST_F(FileMaintenanceTest, RemovingRoomAssignmentsKeepsTheLessonsPlaced) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_}, {room_});
  Place(common, 2, 2, 2);

  Maintain(MaintenanceChoice::kRoomAssignments);

  EXPECT_EQ(Common(common).RX, 0);
  EXPECT_EQ(Common(common).Pt, 2);
  EXPECT_EQ(Room(room_).Cm(2, 2), 0);
  EXPECT_EQ(Room(room_).PUT, 0);
  EXPECT_EQ(Room(room_).LET, 0);
}

TEST_F(FileMaintenanceTest, RemovingTeacherAssignmentsUnplacesTheLessons) {
  const int common = AddClassLesson(math_, {class_a_}, {teacher_});
  Place(common, 2, 2, 2);

  Maintain(MaintenanceChoice::kTeacherAssignments);

  EXPECT_EQ(Common(common).TX, 0);
  EXPECT_EQ(Common(common).Pt, 0);
  EXPECT_EQ(Teacher(teacher_).LET, 0);
  EXPECT_EQ(Class(class_a_).Cm(2, 2), 0);
}

TEST_F(FileMaintenanceTest, ElectivesGoWithTheirClassLessons) {
  const int elective = AddLesson("SEÇMELİ MÜZİK", 2, 1);
  const int kept = AddClassLesson(math_, {class_a_}, {teacher_});
  AddClassLesson(elective, {class_a_}, {teacher_});

  Maintain(MaintenanceChoice::kElectives);

  EXPECT_FALSE(data().lessons.Has(elective));
  EXPECT_TRUE(data().lessons.Has(math_));
  EXPECT_EQ(data().commons.Count(), 1);
  EXPECT_TRUE(data().commons.Has(kept));
}

TEST_F(FileMaintenanceTest, ErasingEverythingEmptiesTheFilesAndForgetsTheLastBackup) {
  AddClassLesson(math_, {class_a_}, {teacher_});
  data().option.last_backup_name().SetText("YIL_SONU.zip");

  Maintain(MaintenanceChoice::kEraseAll);

  const auto reopened = Reopened();
  EXPECT_EQ(reopened->lessons.Count() + reopened->classes.Count() + reopened->rooms.Count() +
                reopened->teachers.Count() + reopened->commons.Count() + reopened->duties.Count(),
            0);
  EXPECT_TRUE(reopened->option.last_backup_name().Empty());
  EXPECT_EQ(reopened->progs.Count(), 1) << "the program set itself stays";
}

}  // namespace
}  // namespace orvanta::testing
