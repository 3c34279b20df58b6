#include "pay/pay_summary.h"

#include <gtest/gtest.h>

#include "pay_test_teacher.h"

namespace orvanta {
namespace {

struct SummaryCase {
  int lessons;
  int extra;  // extra lessons count as lessons
  int guidance;
  bool club;
  const char* text;
};

TEST(PaySummaryTest, TextNamesLessonsGuidanceAndClub) {
  const SummaryCase cases[] = {
      {0, 0, 0, false, ""},
      {0, 0, 0, true, ""},
      {15, 5, 0, false, "20 Ders"},
      {15, 5, 0, true, "20 Ders + Sosyal Kulüp"},
      {0, 0, 2, false, "2 Rehberlik"},
      {18, 0, 2, true, "18 Ders + 2 Rehberlik"},
  };
  for (const SummaryCase& c : cases) {
    SCOPED_TRACE(c.text);
    PayTeacher teacher;
    teacher.Lessons(1, 1, c.lessons).Lessons(2, 1, c.extra, 4).Lessons(3, 1, c.guidance, 2);
    if (c.club) teacher.Club();
    EXPECT_EQ(PaySummaryText(DefaultPaySettings(), *teacher), c.text);
  }
}

}  // namespace
}  // namespace orvanta
