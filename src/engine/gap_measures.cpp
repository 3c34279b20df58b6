#include "engine/gap_measures.h"

#include <algorithm>

namespace orvanta {

int GapCount(const TeacherType& teacher, int days_in_use) {
  if (teacher.LET == 0) return 0;
  int gaps = 0;
  for (int d = 1; d <= std::clamp(days_in_use, 1, kDays); ++d) {
    if (teacher.LTP(d) < 2 || teacher.LC1(d) == 0) continue;
    bool after_lesson = false;
    int pending = 0;  // free hours since the last lesson, gaps once a later lesson follows
    for (int h = std::max(teacher.LC1(d), 1); h <= std::min(teacher.LC2(d), kHours); ++h) {
      if (teacher.Cm(d, h) > 0) {
        gaps += pending;
        pending = 0;
        after_lesson = true;
      } else if (after_lesson && teacher.Mv(d, h) && teacher.Lm(d, h)) {
        ++pending;
      }
    }
  }
  return gaps;
}

}  // namespace orvanta
