#include "pay/set_mark.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "pay_test_teacher.h"

namespace orvanta {
namespace {

struct MarkCase {
  const char* name;
  int dd;  // the slot before
  int pl;
  int digit;
  int category;
  int want_dd;
  int want_pl;
};

// The teacher's calculated categories are 21, 22, 23, 24 here, so codes and stored categories
// differ.
TEST(SetMarkTest, Rules) {
  const MarkCase cases[] = {
      {"digit 0 clears a marked slot", 11, 3, 0, 11, 0, 0},
      {"digit 0 clears whatever the category", 1, 1, 0, 1, 0, 0},
      {"lesson mark on an empty slot", 0, 0, 1, 1, 1, 1},
      {"lesson mark toggles off", 1, 1, 5, 1, 0, 0},
      {"a counted mark of any category toggles off", 11, 2, 1, 1, 0, 0},
      {"lesson mark keeps another category", 11, 0, 1, 1, 11, 0},
      {"lesson mark replaces the extra-lesson category", 21, 0, 1, 1, 1, 1},
      {"lesson mark replaces the preparation category", 24, 0, 1, 1, 1, 1},
      {"guidance mark on an empty slot", 0, 0, 3, 2, 2, 1},
      {"guidance mark keeps the extra-lesson category", 21, 0, 1, 2, 21, 0},
      {"guidance mark replaces the club category", 23, 0, 1, 2, 2, 1},
      {"code 4 stores the extra-lesson category", 0, 0, 7, 4, 21, 1},
      {"code 5 stores the guidance category", 0, 0, 7, 5, 22, 1},
      {"code 6 stores the club category", 11, 4, 7, 6, 23, 1},
      {"code 8 stores the preparation category", 0, 0, 7, 8, 24, 1},
      {"a calculated category counts 1", 0, 0, 7, 22, 22, 1},
      {"any other category takes the digit", 0, 0, 3, 11, 11, 3},
      {"a category beyond 30 is kept", 0, 0, 2, 45, 45, 2},
      {"no category clears the slot", 11, 1, 1, 0, 0, 0},
  };
  for (const MarkCase& c : cases) {
    SCOPED_TRACE(c.name);
    PayTeacher teacher;
    teacher.Categories(21, 22, 23, 24).Mark(4, 7, c.dd, c.pl);
    SetMark(*teacher, 4, 7, c.digit, c.category);
    EXPECT_EQ(teacher->Dd(4, 7), c.want_dd);
    EXPECT_EQ(teacher->Pl(4, 7), c.want_pl);
  }
}

// Each comparison sees the value the previous one left: 7 becomes code 4, which is the
// teacher's guidance category, so it becomes code 5.
TEST(SetMarkTest, CodeComparisonsChain) {
  PayTeacher teacher;
  teacher.Categories(7, 4, 9, 10);
  SetMark(*teacher, 1, 1, 1, 7);
  EXPECT_EQ(teacher->Dd(1, 1), 4);
  EXPECT_EQ(teacher->Pl(1, 1), 1);
}

TEST(SetMarkTest, SlotOutsideTheWeekIsIgnored) {
  PayTeacher teacher;
  const TeacherType before = teacher.record();
  for (auto [day, hour] : {std::pair{0, 1}, {8, 1}, {1, 0}, {1, 19}}) {
    SetMark(*teacher, day, hour, 1, 11);
  }
  EXPECT_EQ(std::memcmp(&before, &teacher.record(), sizeof(TeacherType)), 0);
}

}  // namespace
}  // namespace orvanta
