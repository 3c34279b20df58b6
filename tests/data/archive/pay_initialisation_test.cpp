#include "data/archive/pay_initialisation.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "data/cp1254.h"
#include "data/record_defaults.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

// The sibling product's teacher record, as far as this system reads it.
constexpr size_t kSiblingRecordSize = 282320;
constexpr size_t kIdAt = 8;     // string[20]
constexpr size_t kNameAt = 29;  // string[30]
constexpr size_t kStatusAt = 112;
constexpr size_t kInteger120 = 120;
constexpr size_t kWeekTableAt = 14681;  // five bytes per week w at 14681 + 35 w
constexpr size_t kWeekEntry = 35;

// 15 March 2024: day index 229 of the calendar that starts on 31 July 2023, week 33.
constexpr LocalDateTime kToday{2024, 3, 15, 9, 0};
constexpr int kWeek = 33;

struct Sibling {
  std::string name;  // UTF-8
  std::string id;
  uint8_t status = 1;
  std::array<int32_t, 4> integers{};  // at 120, 124, 128, 132
  std::array<uint8_t, 5> week{};      // this week's PX1[1..5]
};

void PutString(std::string& record, size_t at, const std::string& utf8) {
  const std::string bytes = Utf8ToCp1254(utf8);
  record[at] = static_cast<char>(bytes.size());
  record.replace(at + 1, bytes.size(), bytes);
}

void PutInteger(std::string& record, size_t at, int32_t value) {
  for (size_t i = 0; i < 4; ++i) record[at + i] = static_cast<char>(uint32_t(value) >> (8 * i));
}

std::string SiblingRecord(const Sibling& sibling) {
  std::string record(kSiblingRecordSize, '\0');
  PutString(record, kIdAt, sibling.id);
  PutString(record, kNameAt, sibling.name);
  record[kStatusAt] = static_cast<char>(sibling.status);
  for (size_t i = 0; i < 4; ++i) PutInteger(record, kInteger120 + 4 * i, sibling.integers[i]);
  for (size_t i = 0; i < 5; ++i) {
    record[kWeekTableAt + kWeekEntry * kWeek + i] = static_cast<char>(sibling.week[i]);
    // Neighbouring weeks hold other values that must not be taken.
    record[kWeekTableAt + kWeekEntry * (kWeek - 1) + i] = 99;
    record[kWeekTableAt + kWeekEntry * (kWeek + 1) + i] = 98;
  }
  return record;
}

std::vector<int> Values(const LFType& values, int count) {
  std::vector<int> list;
  for (int i = 1; i <= count; ++i) list.push_back(values(i));
  return list;
}

class PayInitialisationTest : public ::testing::Test {
 protected:
  PayInitialisationTest()
      : root_(fs::temp_directory_path() /
              ("orvanta_pay_init_" + std::to_string(std::random_device{}()))),
        data_(root_) {
    fs::create_directories(data_.paths.SiblingTeacherFile().parent_path());
  }
  ~PayInitialisationTest() override { fs::remove_all(root_); }

  // A teacher without pay settings (status 0).
  TeacherType& AddTeacher(const std::string& name, int status = 0) {
    TeacherType teacher{};
    FillDefaults(teacher);
    teacher.No = data_.teachers.NewNo();
    teacher.RecNo = data_.teachers.Count() + 1;
    teacher.Name.SetText(name);
    teacher.PX1.Fill(0);
    teacher.PX2.Fill(0);
    teacher.PX1(6) = status;
    teacher.PX1(7) = 77;
    teacher.PX2(5) = 55;
    data_.teachers.Append(teacher);
    return *data_.teachers.Find(teacher.No);
  }
  void AddLesson(int no, int category) {
    LessonType lesson{};
    FillDefaults(lesson);
    lesson.No = no;
    lesson.Pl = category;
    data_.lessons.Append(lesson);
  }
  void AddClassLesson(int no, int lesson_no) {
    CommonType common{};
    FillDefaults(common);
    common.No = no;
    common.Le = lesson_no;
    data_.commons.Append(common);
  }
  void WriteSiblingFile(const std::string& bytes) {
    std::ofstream(data_.paths.SiblingTeacherFile(), std::ios::binary)
        .write(bytes.data(), std::streamsize(bytes.size()));
  }
  void WriteSiblings(const std::vector<Sibling>& siblings) {
    std::string bytes;
    for (const Sibling& sibling : siblings) bytes += SiblingRecord(sibling);
    WriteSiblingFile(bytes);
  }
  void Initialise() { InitialiseTeacherPay(data_, FixedClock(kToday)); }
  const TeacherType& Teacher(int no) { return *data_.teachers.Find(no); }

  fs::path root_;
  SchoolData data_;
};

TEST_F(PayInitialisationTest, TeacherWithoutPaySettingsAndSiblingFileGetsTheDefaults) {
  AddTeacher("AYŞE KAYA");
  Initialise();
  EXPECT_EQ(Values(Teacher(1).PX1, 7), (std::vector<int>{15, 10, 0, 0, 0, 1, 77}));
  EXPECT_EQ(Values(Teacher(1).PX2, 5), (std::vector<int>{4, 5, 6, 8, 55}));
  EXPECT_TRUE(Teacher(1).Id.Empty());
}

TEST_F(PayInitialisationTest, TeacherWithoutMatchingSiblingRecordGetsTheDefaults) {
  AddTeacher("AYŞE KAYA");
  // Not the same bytes: another case, a trailing space, a prefix.
  WriteSiblings({{"ayşe kaya", "1"}, {"AYŞE KAYA ", "2"}, {"AYŞE KAY", "3"}});
  Initialise();
  EXPECT_EQ(Values(Teacher(1).PX1, 6), (std::vector<int>{15, 10, 0, 0, 0, 1}));
  EXPECT_EQ(Values(Teacher(1).PX2, 4), (std::vector<int>{4, 5, 6, 8}));
  EXPECT_TRUE(Teacher(1).Id.Empty());
}

TEST_F(PayInitialisationTest, TeacherWithStatusKeepsItsSettingsAndMarks) {
  TeacherType& teacher = AddTeacher("AYŞE KAYA", 1);
  for (int i = 1; i <= 5; ++i) teacher.PX1(i) = 20 + i;
  for (int i = 1; i <= 4; ++i) teacher.PX2(i) = 30 + i;
  teacher.Dd(2, 3) = 7;
  teacher.Pl(2, 3) = 1;
  const TeacherType before = teacher;
  AddLesson(7, 11);
  WriteSiblings({{"AYŞE KAYA", "4711", 2, {121, 122, 123, 124}, {18, 8, 1, 4, 1}}});
  Initialise();
  EXPECT_EQ(Values(Teacher(1).PX1, 7), Values(before.PX1, 7));
  EXPECT_EQ(Values(Teacher(1).PX2, 7), Values(before.PX2, 7));
  EXPECT_EQ(Teacher(1).Dd(2, 3), 7);
  EXPECT_EQ(Teacher(1).Id.Text(), "4711");  // the Id is taken whatever the status
}

TEST_F(PayInitialisationTest, IdComesFromTheFirstMatchAndPayValuesFromTheLast) {
  AddTeacher("AYŞE KAYA");
  AddTeacher("MEHMET ÖZ");
  WriteSiblings({
      {"AYŞE KAYA", "111", 2, {21, 22, 23, 24}, {18, 8, 1, 4, 1}},
      {"MEHMET ÖZ", "", 1, {41, 42, 43, 44}, {16, 9, 0, 0, 0}},
      {"AYŞE KAYA", "222", 3, {121, 122, 123, 124}, {20, 12, 3, 5, 0}},
      {"MEHMET ÖZ", "333", 1, {4, 5, 6, 8}, {15, 10, 0, 0, 1}},
  });
  Initialise();
  EXPECT_EQ(Teacher(1).Id.Text(), "111");
  EXPECT_EQ(Values(Teacher(1).PX1, 7), (std::vector<int>{20, 12, 3, 5, 0, 3, 77}));
  // The sibling keeps the preparation category (128) before the club category (132).
  EXPECT_EQ(Values(Teacher(1).PX2, 5), (std::vector<int>{121, 122, 124, 123, 55}));
  // An empty Id in the first match leaves the Id to the next one.
  EXPECT_EQ(Teacher(2).Id.Text(), "333");
  EXPECT_EQ(Values(Teacher(2).PX1, 6), (std::vector<int>{15, 10, 0, 0, 1, 1}));
}

TEST_F(PayInitialisationTest, AnIdAlreadySetIsKept) {
  AddTeacher("AYŞE KAYA").Id.SetText("900");
  WriteSiblings({{"AYŞE KAYA", "111"}});
  Initialise();
  EXPECT_EQ(Teacher(1).Id.Text(), "900");
}

TEST_F(PayInitialisationTest, SlotsAreMarkedWithTheirLessonsCategory) {
  AddLesson(1, 1);   // a lesson paid as "Ders"
  AddLesson(7, 11);  // an out-of-lesson activity paid as "Egzersiz"
  AddLesson(8, 0);   // no pay category
  AddClassLesson(5, 1);
  AddClassLesson(6, 8);
  AddClassLesson(9, 99);  // its lesson is gone
  TeacherType& teacher = AddTeacher("AYŞE KAYA");
  teacher.Cm(1, 1) = 5;
  teacher.Cm(1, 2) = 6;
  teacher.Cm(1, 3) = 9;
  teacher.Cm(1, 4) = 42;  // no such class lesson
  teacher.Dd(2, 1) = 7;
  teacher.Dd(2, 2) = 42;  // no such lesson
  teacher.Pl(2, 2) = 1;
  Initialise();
  const TeacherType& marked = Teacher(1);
  struct Slot {
    int day, hour, dd, pl;
  };
  for (const Slot& slot : {Slot{1, 1, 1, 1}, Slot{1, 2, 0, 0}, Slot{1, 3, 0, 0}, Slot{1, 4, 0, 0},
                           Slot{2, 1, 11, 1}, Slot{2, 2, 0, 0}, Slot{3, 1, 0, 0}}) {
    SCOPED_TRACE(std::to_string(slot.day) + "," + std::to_string(slot.hour));
    EXPECT_EQ(marked.Dd(slot.day, slot.hour), slot.dd);
    EXPECT_EQ(marked.Pl(slot.day, slot.hour), slot.pl);
  }
}

TEST_F(PayInitialisationTest, ShortOrDamagedSiblingFileNeverBreaksTheStartUp) {
  const std::string match =
      SiblingRecord({"AYŞE KAYA", "111", 2, {21, 22, 23, 24}, {18, 8, 1, 4, 1}});
  std::string long_lengths = match;
  long_lengths[kIdAt] = char(255);
  long_lengths[kNameAt] = char(255);
  struct Case {
    const char* name;
    std::string bytes;
    bool matched;
  };
  const Case cases[] = {
      {"empty", "", false},
      {"shorter than a record", std::string(100, 'x'), false},
      {"one byte short of a record", match.substr(0, kSiblingRecordSize - 1), false},
      {"a partial record after a whole one", match + match.substr(0, 20000), true},
      {"length bytes beyond their capacity", long_lengths, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data_.teachers.Clear();
    AddTeacher("AYŞE KAYA");
    WriteSiblingFile(c.bytes);
    Initialise();
    EXPECT_EQ(Teacher(1).PX1(1), c.matched ? 18 : 15);
    EXPECT_EQ(Teacher(1).Id.Text(), c.matched ? "111" : "");
  }
}

TEST_F(PayInitialisationTest, SiblingPathThatIsAFolderCountsAsMissing) {
  fs::create_directories(data_.paths.SiblingTeacherFile());
  AddTeacher("AYŞE KAYA");
  Initialise();
  EXPECT_EQ(Values(Teacher(1).PX1, 6), (std::vector<int>{15, 10, 0, 0, 0, 1}));
}

}  // namespace
}  // namespace orvanta
