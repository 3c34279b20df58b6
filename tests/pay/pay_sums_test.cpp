#include "pay/pay_sums.h"

#include <gtest/gtest.h>

#include "pay/pay_day_order.h"
#include "pay_test_teacher.h"

namespace orvanta {
namespace {

struct SlotCase {
  int mark;
  int category;
  int64_t value;
};

TEST(PaySumsTest, SlotValueCountsExtraLessonsAsLessonsAndLessonsAsSalaryHours) {
  const SlotCase cases[] = {
      {1, 1, 3}, {4, 1, 3}, {4, 4, 3}, {1, 3, 3}, {3, 3, 3},
      {3, 1, 0}, {1, 4, 0}, {2, 1, 0}, {0, 1, 0}, {45, 45, 3},
  };
  for (const SlotCase& c : cases) {
    SCOPED_TRACE("mark " + std::to_string(c.mark) + " category " + std::to_string(c.category));
    PayTeacher teacher;
    teacher.Mark(2, 5, c.mark, 3);
    EXPECT_EQ(SlotValue(teacher.record(), 2, c.category, 5), c.value);
  }
}

TEST(PaySumsTest, CompositeCategorySumsItsMembersOnly) {
  const PaySettings settings = DefaultPaySettings();  // 10 "Toplam Ücret" = 4..9
  PayTeacher teacher;
  teacher.Mark(1, 1, 4, 1).Mark(1, 2, 5, 2).Mark(1, 3, 9, 1).Mark(1, 4, 11, 5).Mark(2, 1, 8, 1);
  EXPECT_EQ(CategoryDaySum(settings, teacher.record(), 1, 10), 4);
  EXPECT_EQ(CategoryDaySum(settings, teacher.record(), 1, 5), 2);
  EXPECT_EQ(WeekSum(settings, teacher.record(), 10), 5);
  EXPECT_EQ(WeekSum(settings, teacher.record(), 1), 1);  // the extra lesson is a lesson too
}

TEST(PaySumsTest, CompositeWithoutMembersSumsNothing) {
  PaySettings settings = DefaultPaySettings();
  settings.categories(10).members.Fill(0);
  PayTeacher teacher;
  teacher.Mark(1, 1, 4, 1).Mark(1, 2, 10, 1);
  EXPECT_EQ(WeekSum(settings, teacher.record(), 10), 0);
}

TEST(PaySumsTest, DayLoadAddsTheTeachersFourCalculatedCategories) {
  PayTeacher teacher;
  teacher.Categories(21, 22, 23, 24)
      .Mark(3, 1, 21, 1)
      .Mark(3, 2, 22, 1)
      .Mark(3, 3, 23, 1)
      .Mark(3, 4, 24, 2)
      .Mark(3, 5, 4, 1);  // the code itself is not the teacher's category here
  EXPECT_EQ(DayLoad(teacher.record(), 3), 5);
  EXPECT_EQ(DayLoad(teacher.record(), 2), 0);
}

struct OrderCase {
  const char* name;
  int loads[6];  // by day 1..5, index 0 unused
  WeekdayOrder order;
};

TEST(PayDayOrderTest, LeastLoadedDayComesFirst) {
  const OrderCase cases[] = {
      {"equal loads keep the starting order", {0, 0, 0, 0, 0, 0}, {1, 5, 3, 2, 4}},
      {"a loaded Monday goes last", {0, 3, 0, 0, 0, 0}, {5, 3, 2, 4, 1}},
      {"ascending loads", {0, 5, 1, 4, 2, 3}, {2, 4, 5, 3, 1}},
      // The swap sort moves Monday behind Friday although both carry 2.
      {"the swap reorders equal loads", {0, 2, 3, 1, 3, 2}, {3, 5, 1, 2, 4}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    PayTeacher teacher;
    for (int day = 1; day <= 5; ++day) {
      for (int hour = 1; hour <= c.loads[day]; ++hour) teacher.Mark(day, hour, 4, 1);
    }
    EXPECT_EQ(DayOrder(teacher.record()), c.order);
  }
}

}  // namespace
}  // namespace orvanta
