#include "data/archive/v2_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/archive/archive_error.h"
#include "data/archive/old_files_fixture.h"
#include "data/archive/school_fixture.h"
#include "engine/class_lessons.h"

namespace orvanta::testing {
namespace {

namespace fs = std::filesystem;

const std::string kMath = "MATEMAT\xDDK";  // MATEMATİK in Windows-1254
const std::string kPhysics = "F\xDDZ\xDDK";
const std::string kGuidance = "REHBERL\xDDK";

// An old school: lessons 1 (math, 4 = 2 + 2) and 2 (physics, 2); class 5 "9" section "FEN";
// room 2; teacher 7 of branch code 11; math for class 5 with teacher 7 in room 2, placed on
// Monday hours 1 and 2.
class V2ImportTest : public SchoolTest {
 protected:
  V2ImportTest() {
    lessons_ = {OldLessonRecord(1, kMath, 4, {2, 2}), OldLessonRecord(2, kPhysics, 2, {2})};
    definitions_ = {OldDefinitionRecord(11, 1, "MATEMAT\xDDK \xD6\xD0RT")};
    classes_ = {OldClassRecord(5, "9", "FEN")};
    classes_[0].Slot(kOldClassLessons, 1, 1, 1).Slot(kOldClassLessons, 1, 2, 1);
    rooms_ = {OldRoomRecord(2, "LAB")};
    teachers_ = {OldTeacherRecord(7,
                                  "AY\xDE"
                                  "E KAYA",
                                  11)};
    class_lessons_ = {OldClassLessonRecord(5, 1, {7}, {2}, {5})};
  }

  void WriteOldFiles() {
    WriteOld("LESSON.PRG2", lessons_);
    WriteOld("DEFINE.PRG2", definitions_);
    WriteOld("CLSS.PRG2", classes_);
    WriteOld("ROOM.PRG2", rooms_);
    WriteOld("TEACHER.PRG2", teachers_);
    WriteOld("CLLE.PRG2", class_lessons_);
  }
  void WriteOld(const char* name, const std::vector<OldRecord>& records) {
    WriteBytes(old_.path() / name, Concatenated(records));
  }

  ImportReport Import() {
    WriteOldFiles();
    const ImportReport report = ImportV2(data(), old_.path());
    ExpectInvariants();
    return report;
  }

  bool Noted(const ImportReport& report, const std::string& part) const {
    return std::any_of(report.notes.begin(), report.notes.end(),
                       [&](const std::string& note) { return note.find(part) != note.npos; });
  }

  int MathLessonOfClass5() { return FindClassLesson(data(), 5, 1); }

  TempDir old_;
  std::vector<OldRecord> lessons_, definitions_, classes_, rooms_, teachers_, class_lessons_;
};

TEST_F(V2ImportTest, OldRecordsBecomeRecordsWithTheirNumbers) {
  const ImportReport report = Import();

  ASSERT_TRUE(data().lessons.Has(1));
  const LessonType& math = *data().lessons.Find(1);
  EXPECT_EQ(math.Lesson.Text(), "MATEMATİK");
  EXPECT_EQ(math.SLesson.Text(), "MAT");
  EXPECT_EQ(math.Wl, 4);
  EXPECT_EQ(math.Lf(1), 2);
  EXPECT_EQ(math.Lf(2), 2);
  EXPECT_EQ(math.Lf(3), 0);
  EXPECT_EQ(Class(5).Clss.Text(), "9 FEN");
  EXPECT_EQ(Class(5).LC2(1), 8);
  EXPECT_EQ(Room(2).Room.Text(), "LAB");
  EXPECT_EQ(Teacher(7).Name.Text(), "AYŞE KAYA");
  EXPECT_EQ(Teacher(7).Branch.Text(), "MATEMATİK ÖĞRT");
  EXPECT_TRUE(report.notes.empty()) << report.notes.front();
}

TEST_F(V2ImportTest, ClassLessonGetsItsMembersAndTheOldHoursArePlaced) {
  Import();
  const int common = MathLessonOfClass5();
  ASSERT_NE(common, 0);
  EXPECT_EQ(Common(common).TX, 1);
  EXPECT_EQ(Common(common).TN(1), 7);
  EXPECT_EQ(Common(common).RN(1), 2);
  EXPECT_EQ(Common(common).Wl, 4);
  EXPECT_EQ(Common(common).Pt, 2);
  EXPECT_EQ(Teacher(7).Cm(1, 2), common);
  EXPECT_EQ(Room(2).Cm(1, 1), common);
}

TEST_F(V2ImportTest, ResultIsSavedToTheFiles) {
  Import();
  SchoolData reopened(root_.path());
  OpenProgramSet(reopened, clock_);
  EXPECT_EQ(reopened.lessons.Count(), 2);
  EXPECT_EQ(reopened.commons.Count(), 1);
  EXPECT_EQ(reopened.commons.At(0).Pt, 2);
}

TEST_F(V2ImportTest, ClassCountZeroMeansTheRecordsOwnClass) {
  class_lessons_ = {OldClassLessonRecord(5, 2, {7}, {}, {})};
  Import();
  const int common = FindClassLesson(data(), 5, 2);
  ASSERT_NE(common, 0);
  EXPECT_EQ(Common(common).CX, 1);
  EXPECT_EQ(Common(common).CN(1), 5);
}

TEST_F(V2ImportTest, SameLessonAndClassTwiceGiveOneClassLesson) {
  class_lessons_.push_back(OldClassLessonRecord(5, 1, {7}, {}, {5}));
  Import();
  EXPECT_EQ(data().commons.Count(), 1);
}

TEST_F(V2ImportTest, NameWithoutSectionIsKeptAndLongOnesAreCut) {
  classes_ = {OldClassRecord(5, "10", ""), OldClassRecord(6, "11", "SAYISAL BOLUM")};
  Import();
  EXPECT_EQ(Class(5).Clss.Text(), "10");
  EXPECT_EQ(Class(6).Clss.Text(), "11 SAYISAL B");
}

TEST_F(V2ImportTest, UnknownBranchCodeGivesAnEmptyBranch) {
  teachers_ = {OldTeacherRecord(7, "ALI", 99)};
  Import();
  EXPECT_TRUE(Teacher(7).Branch.Empty());
}

TEST_F(V2ImportTest, OldHourOfALessonTheClassDoesNotHaveIsNotPlaced) {
  classes_[0].Slot(kOldClassLessons, 2, 1, 2);  // physics, which class 5 does not take
  const ImportReport report = Import();
  EXPECT_EQ(Class(5).Cm(2, 1), 0);
  EXPECT_EQ(Class(5).PUT, 2);
  EXPECT_TRUE(Noted(report, "1 saat yerleştirilemedi")) << report.notes.size();
}

// Class 6's old physics hour on Monday 1 needs teacher 7, who teaches class 5 then.
TEST_F(V2ImportTest, OldHourOfABusyTeacherIsNotPlaced) {
  classes_.push_back(OldClassRecord(6, "10", ""));
  classes_[1].Slot(kOldClassLessons, 1, 1, 2);
  class_lessons_.push_back(OldClassLessonRecord(6, 2, {7}, {}, {6}));
  const ImportReport report = Import();
  EXPECT_EQ(Class(6).Cm(1, 1), 0);
  EXPECT_TRUE(Noted(report, "1 saat yerleştirilemedi"));
}

TEST_F(V2ImportTest, ActivitiesBecomeLessonsAndTeacherMarks) {
  definitions_.push_back(OldDefinitionRecord(20, 5, kGuidance));
  // Old lessons 1..9 take the numbers a pay category could be confused with.
  for (int number = 3; number <= 9; ++number) {
    lessons_.push_back(OldLessonRecord(number, "DERS" + std::to_string(number), 1, {1}));
  }
  teachers_[0].Slot(kOldTeacherActivities, 2, 3, 20);

  Import();

  const LessonType* guidance = nullptr;
  for (const LessonType& lesson : data().lessons) {
    if (lesson.Id.Raw() == "20") guidance = &lesson;
  }
  ASSERT_NE(guidance, nullptr);
  EXPECT_EQ(guidance->No, 10) << "the smallest free number";
  EXPECT_EQ(guidance->Lesson.Text(), "REHBERLİK");
  EXPECT_FALSE(guidance->Dr);
  EXPECT_EQ(Teacher(7).Dd(2, 3), 10);
  EXPECT_EQ(Teacher(7).Pl(2, 3), 1);
}

TEST_F(V2ImportTest, OldClosedHoursCloseTheSlots) {
  teachers_[0].Slot(kOldTeacherOpen, 3, 4, 0);
  classes_[0].Slot(kOldClassOpen, 2, 7, 0);
  Import();
  EXPECT_FALSE(Teacher(7).Mv(3, 4));
  EXPECT_TRUE(Teacher(7).Mv(3, 5));
  EXPECT_FALSE(Class(5).Mv(2, 7));
}

TEST_F(V2ImportTest, DutyPlacesAreEmptied) {
  DutyType duty = SetDefaults(data().duties);
  Insert(data(), duty);
  Import();
  EXPECT_EQ(data().duties.Count(), 0);
}

TEST_F(V2ImportTest, MissingFilesSkipTheirSteps) {
  WriteOldFiles();
  fs::remove(old_.path() / "CLLE.PRG2");
  fs::remove(old_.path() / "DEFINE.PRG2");
  const ImportReport report = ImportV2(data(), old_.path());
  EXPECT_EQ(data().lessons.Count(), 2);
  EXPECT_EQ(data().commons.Count(), 0);
  EXPECT_TRUE(Teacher(7).Branch.Empty());
  EXPECT_TRUE(Noted(report, "\"clle.prg2\" bulunamadı"));
  EXPECT_TRUE(Noted(report, "\"define.prg2\" bulunamadı"));
  ExpectInvariants();
}

TEST_F(V2ImportTest, NothingToReadLeavesAnEmptySet) {
  const ImportReport report = ImportV2(data(), old_.path() / "nowhere");
  EXPECT_TRUE(IsEmptyForImport(data()));
  EXPECT_EQ(report.notes.size(), 6u);
}

TEST(V2ImportFolderTest, DefaultOldFolderIsFoundWhateverItsCase) {
  TempDir root;
  fs::create_directories(root.path() / "Quillen" / "Orvanta" / "PROGRAM1");
  EXPECT_EQ(DefaultOldDataFolder(DataPaths(root.path())),
            root.path() / "Quillen" / "Orvanta" / "PROGRAM1");
}

// --- Damaged old files: skipped or cut, reported, never a crash (run under the asan preset) ---

TEST_F(V2ImportTest, RecordNumberZeroAndRepeatedNumbersAreSkipped) {
  lessons_.push_back(OldLessonRecord(0, "SIFIR", 1, {1}));
  lessons_.push_back(OldLessonRecord(2, "TEKRAR", 1, {1}));
  classes_.push_back(OldClassRecord(0, "X", ""));
  teachers_.push_back(OldTeacherRecord(7, "TEKRAR", 0));
  rooms_.push_back(OldRoomRecord(0, "YOK"));

  const ImportReport report = Import();

  EXPECT_EQ(data().lessons.Count(), 2);
  EXPECT_EQ(data().lessons.Find(2)->Lesson.Raw(), kPhysics);
  EXPECT_EQ(data().classes.Count(), 1);
  EXPECT_EQ(data().teachers.Count(), 1);
  EXPECT_EQ(data().rooms.Count(), 1);
  EXPECT_TRUE(Noted(report, "\"lesson.prg2\" 3. kayıt: numarası 0"));
  EXPECT_TRUE(Noted(report, "\"lesson.prg2\" 4. kayıt: 2 numaralı kayıt daha önce okundu"));
  EXPECT_TRUE(Noted(report, "\"teacher.prg2\" 2. kayıt"));
}

TEST_F(V2ImportTest, CountsAboveTheArraysAreCut) {
  OldRecord record = OldClassLessonRecord(5, 1, {7}, {2}, {5});
  record.Byte(5, 200).Byte(6, 26).Byte(8, 255);
  class_lessons_ = {record};

  const ImportReport report = Import();

  const int common = MathLessonOfClass5();
  ASSERT_NE(common, 0);
  EXPECT_EQ(Common(common).TX, 1) << "the other 24 numbers read are 0 and name nobody";
  EXPECT_EQ(Common(common).CX, 1);
  EXPECT_TRUE(Noted(report, "Öğretmen sayısı 200; 25'e indirildi"));
  EXPECT_TRUE(Noted(report, "Sınıf sayısı 255; 25'e indirildi"));
}

TEST_F(V2ImportTest, ReferencesToMissingRecordsAreLeftOut) {
  class_lessons_ = {OldClassLessonRecord(5, 1, {7, 8}, {2, 9}, {5, 6}),
                    OldClassLessonRecord(5, 33, {7}, {}, {5}),
                    OldClassLessonRecord(6, 2, {7}, {}, {6})};
  const ImportReport report = Import();

  ASSERT_EQ(data().commons.Count(), 1);
  const CommonType& common = data().commons.At(0);
  EXPECT_EQ(common.CX, 1);
  EXPECT_EQ(common.TX, 1);
  EXPECT_EQ(common.RX, 1);
  EXPECT_TRUE(Noted(report, "8 numaralı öğretmen yok"));
  EXPECT_TRUE(Noted(report, "9 numaralı derslik yok"));
  EXPECT_TRUE(Noted(report, "33 numaralı ders yok"));
  EXPECT_TRUE(Noted(report, "\"clle.prg2\" 3. kayıt: var olan sınıfı yok"));
}

TEST_F(V2ImportTest, ShortFilesLoseOnlyTheirPartialRecord) {
  WriteOldFiles();
  const std::string teachers = Concatenated(teachers_);
  WriteBytes(old_.path() / "TEACHER.PRG2", teachers + teachers.substr(0, 1000));
  WriteBytes(old_.path() / "CLSS.PRG2", Concatenated(classes_).substr(0, 871));

  const ImportReport report = ImportV2(data(), old_.path());

  EXPECT_EQ(data().teachers.Count(), 1);
  EXPECT_EQ(data().classes.Count(), 0);
  EXPECT_EQ(data().commons.Count(), 0) << "its class is gone";
  EXPECT_TRUE(Noted(report, "\"teacher.prg2\" sonundaki 1000 bayt"));
  EXPECT_TRUE(Noted(report, "\"clss.prg2\" sonundaki 871 bayt"));
  ExpectInvariants();
}

TEST_F(V2ImportTest, TextLengthsAboveTheirCapacityAreCut) {
  OldRecord record = OldLessonRecord(1, kMath, 4, {2, 2});
  record.Byte(2, 250).Byte(33, 99);
  lessons_[0] = record;
  Import();
  EXPECT_EQ(data().lessons.Find(1)->Lesson.Size(), 30u);
  EXPECT_EQ(data().lessons.Find(1)->SLesson.Size(), 12u);
}

TEST_F(V2ImportTest, DayWindowsBeyondTheGridAreSafe) {
  classes_[0].Byte(40, 200).Byte(33 + 1, 0);
  Import();
  EXPECT_EQ(Class(5).LC2(1), 18);
  EXPECT_EQ(Class(5).LC1(2), 0);
  EXPECT_EQ(Class(5).LC2(2), 0);
}

// --- The old archive ---

std::string OldArchiveContent(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<int32_t> sizes;
  std::string body;
  for (const auto& [name, bytes] : files) {
    sizes.push_back(static_cast<int32_t>(bytes.size()));
    body += bytes;
  }
  return SizeHeader(sizes) + body;
}

class V2ArchiveImportTest : public V2ImportTest {
 protected:
  // The twelve files after the header, in the old archive's order.
  std::string ArchiveBytes() {
    return ZlibCompress(OldArchiveContent({{"CLLE", Concatenated(class_lessons_)},
                                           {"CLSS", Concatenated(classes_)},
                                           {"COMMON", "unused"},
                                           {"DEFINE", Concatenated(definitions_)},
                                           {"DUTY", ""},
                                           {"LESSON", Concatenated(lessons_)},
                                           {"OPTION", "unused"},
                                           {"ROOM", Concatenated(rooms_)},
                                           {"TEACHER", Concatenated(teachers_)},
                                           {"TELE", ""},
                                           {"PLUS", ""},
                                           {"PLUSITEM", ""}}));
  }
};

TEST_F(V2ArchiveImportTest, OldArchiveIsUnpackedIntoTheSetAndImported) {
  const fs::path archive = old_.path() / "eski.zip";
  WriteBytes(archive, ArchiveBytes());

  ImportV2Archive(data(), archive);

  EXPECT_EQ(data().lessons.Count(), 2);
  EXPECT_EQ(Common(MathLessonOfClass5()).Pt, 2);
  EXPECT_TRUE(fs::exists(data().set_folder / "CLLE.PRG2"));
  ExpectInvariants();
}

TEST_F(V2ArchiveImportTest, DamagedOldArchiveChangesNothing) {
  const int lesson = AddLesson("VAR OLAN", 2);
  SaveAll(data());
  const auto files_before = FolderContent(data().set_folder);
  const std::string bytes = ArchiveBytes();
  const fs::path archive = old_.path() / "eski.zip";
  WriteBytes(archive, bytes.substr(0, bytes.size() - 10));

  EXPECT_THROW(ImportV2Archive(data(), archive), DamagedArchiveError);

  EXPECT_EQ(FolderContent(data().set_folder), files_before);
  EXPECT_EQ(data().lessons.Count(), 1);
  EXPECT_TRUE(data().lessons.Has(lesson));
}

}  // namespace
}  // namespace orvanta::testing
