#include <gtest/gtest.h>

#include "data/cp1254.h"
#include "data/list_operations.h"
#include "data/turkish_text.h"

namespace orvanta {
namespace {

class RecordListTest : public ::testing::Test {
 protected:
  RecordListTest() : data_("/nonexistent") {}

  int AddLesson(const std::string& name, const std::string& short_name = "") {
    LessonType lesson = SetDefaults(data_.lessons);
    lesson.Lesson.SetText(name);
    lesson.SLesson.SetText(short_name.empty() ? name : short_name);
    Insert(data_, lesson);
    return lesson.No;
  }
  int AddClass(const std::string& name) {
    ClssType clss = SetDefaults(data_.classes);
    clss.Clss.SetText(name);
    Insert(data_, clss);
    return clss.No;
  }
  int AddTeacher(const std::string& name, const std::string& branch = "") {
    TeacherType teacher = SetDefaults(data_.teachers);
    teacher.Name.SetText(name);
    teacher.Branch.SetText(branch);
    Insert(data_, teacher);
    return teacher.No;
  }
  std::vector<std::string> LessonNames() const {
    std::vector<std::string> names;
    for (const LessonType& lesson : data_.lessons) names.push_back(lesson.Lesson.Text());
    return names;
  }
  std::vector<int> ClassNos() const {
    std::vector<int> nos;
    for (const ClssType& clss : data_.classes) nos.push_back(clss.No);
    return nos;
  }
  void ExpectRecNosInOrder() const {
    int expected = 1;
    for (const ClssType& clss : data_.classes) EXPECT_EQ(clss.RecNo, expected++);
  }

  SchoolData data_;
};

TEST_F(RecordListTest, FirstRecordGetsNoAndRecNoOne) {
  const ClssType clss = SetDefaults(data_.classes);
  EXPECT_EQ(clss.No, 1);
  EXPECT_EQ(clss.RecNo, 1);
}

TEST_F(RecordListTest, FreedNoIsReusedAndRecNoAppends) {
  AddClass("9-A");
  AddClass("9-B");
  AddClass("9-C");
  data_.classes.Delete(2);
  const ClssType next = SetDefaults(data_.classes);
  EXPECT_EQ(next.No, 2);
  EXPECT_EQ(next.RecNo, 3);
  Insert(data_, next);
  EXPECT_EQ(ClassNos(), (std::vector<int>{1, 3, 2}));
  ExpectRecNosInOrder();
}

TEST_F(RecordListTest, DeleteFirstLastAndOnly) {
  AddClass("9-A");
  AddClass("9-B");
  AddClass("9-C");
  data_.classes.Delete(1);
  EXPECT_EQ(ClassNos(), (std::vector<int>{2, 3}));
  ExpectRecNosInOrder();
  ASSERT_NE(data_.classes.Find(2), nullptr);
  EXPECT_EQ(data_.classes.Find(2)->Clss.Text(), "9-B");
  EXPECT_EQ(data_.classes.Find(3)->Clss.Text(), "9-C");
  EXPECT_EQ(data_.classes.Find(1), nullptr);

  data_.classes.Delete(3);
  EXPECT_EQ(ClassNos(), (std::vector<int>{2}));
  data_.classes.Delete(2);
  EXPECT_TRUE(data_.classes.Empty());
  EXPECT_EQ(data_.classes.Find(2), nullptr);
}

TEST_F(RecordListTest, DeleteOfUnknownNoOnlyRenumbers) {
  AddClass("9-A");
  data_.classes.At(0).RecNo = 7;
  data_.classes.Delete(42);
  EXPECT_EQ(data_.classes.Count(), 1);
  EXPECT_EQ(data_.classes.At(0).RecNo, 1);
}

TEST_F(RecordListTest, FindRejectsNumbersOutsideTheRange) {
  AddClass("9-A");
  EXPECT_EQ(data_.classes.Find(0), nullptr);
  EXPECT_EQ(data_.classes.Find(-3), nullptr);
  EXPECT_EQ(data_.classes.Find(5001), nullptr);
}

TEST_F(RecordListTest, NewNoWhenAllNumbersAreTakenIsOne) {
  std::vector<ClssType> all(kMaxRecords);
  for (int i = 0; i < kMaxRecords; ++i) {
    FillDefaults(all[i]);
    all[i].No = i + 1;
  }
  data_.classes.Assign(std::move(all));
  EXPECT_EQ(data_.classes.NewNo(), 1);
}

TEST_F(RecordListTest, LessonsSortInTurkishAlphabetOrder) {
  AddLesson("ÇA");
  AddLesson("DA");
  AddLesson("CA");
  AddLesson("İA");
  AddLesson("IA");
  AddLesson("JA");
  EXPECT_EQ(LessonNames(), (std::vector<std::string>{"CA", "ÇA", "DA", "IA", "İA", "JA"}));
  int expected = 1;
  for (const LessonType& lesson : data_.lessons) EXPECT_EQ(lesson.RecNo, expected++);
}

TEST_F(RecordListTest, NameOrderKeyOfCedilla) {
  EXPECT_EQ(NameOrderKey(Utf8ToCp1254("ÇA")), "135130");
  EXPECT_EQ(NameOrderKey(Utf8ToCp1254("ca")), "134130");
  EXPECT_EQ(NameOrderKey(Utf8ToCp1254("ğöşüı")), "143159167171146");
}

TEST_F(RecordListTest, SortsAreStable) {
  const int first = AddTeacher("ALİ", "MATEMATİK");
  const int second = AddTeacher("VELİ", "FİZİK");
  const int third = AddTeacher("AYŞE", "MATEMATİK");
  SortTeachersByBranch(data_.teachers);
  std::vector<int> nos;
  for (const TeacherType& teacher : data_.teachers) nos.push_back(teacher.No);
  EXPECT_EQ(nos, (std::vector<int>{second, first, third}));

  data_.classes.Clear();
  AddClass("A");
  AddClass("A");
  AddClass("A");
  const std::vector<int> before = ClassNos();
  data_.classes.SortByKey([](const ClssType& c) { return NameOrderKey(c.Clss.Raw()); });
  EXPECT_EQ(ClassNos(), before);
}

TEST_F(RecordListTest, SortByRecNoAfterSwap) {
  AddClass("9-A");
  AddClass("9-B");
  data_.classes.Find(1)->RecNo = 2;
  data_.classes.Find(2)->RecNo = 1;
  data_.classes.SortByRecNo();
  EXPECT_EQ(ClassNos(), (std::vector<int>{2, 1}));
  ExpectRecNosInOrder();
}

TEST_F(RecordListTest, ClassLessonsGroupByLessonThenClass) {
  const int math = AddLesson("MATEMATİK");
  const int art = AddLesson("GÖRSEL SANATLAR");
  const int a = AddClass("9-A");
  const int b = AddClass("9-B");
  auto add_common = [&](int lesson, int clss) {
    CommonType common = SetDefaults(data_.commons);
    common.Le = lesson;
    common.CX = 1;
    common.CN(1) = clss;
    Insert(data_, common);
    return common.No;
  };
  const int math_b = add_common(math, b);
  const int art_b = add_common(art, b);
  const int math_a = add_common(math, a);
  const int art_a = add_common(art, a);
  std::vector<int> order;
  for (const CommonType& common : data_.commons) order.push_back(common.No);
  EXPECT_EQ(order, (std::vector<int>{art_a, art_b, math_a, math_b}));
}

TEST_F(RecordListTest, IsUniqueIgnoresAsciiCaseOnly) {
  AddLesson("MATEMATIK", "MAT");
  LessonType candidate = SetDefaults(data_.lessons);
  candidate.Lesson.SetText("matematik");
  candidate.SLesson.SetText("M");
  EXPECT_FALSE(IsUnique(data_.lessons, candidate));
  candidate.Lesson.SetText("FİZİK");
  candidate.SLesson.SetText("mat");
  EXPECT_FALSE(IsUnique(data_.lessons, candidate));
  candidate.SLesson.SetText("FİZ");
  EXPECT_TRUE(IsUnique(data_.lessons, candidate));
  LessonType same = data_.lessons.At(0);
  EXPECT_TRUE(IsUnique(data_.lessons, same));  // a record is not its own duplicate
}

}  // namespace
}  // namespace orvanta
