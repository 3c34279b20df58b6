#include "engine/teacher_rank.h"

#include <algorithm>
#include <utility>

namespace orvanta {

void RankTeacher(TeacherType& teacher, int days_in_use) {
  int longest_day = 1;
  for (int d = 1; d <= std::clamp(days_in_use, 1, kDays); ++d) {
    if (teacher.LC1(d) != 0 && teacher.LC2(d) != 0) {
      longest_day = std::max(longest_day, teacher.LC2(d) - teacher.LC1(d) + 1);
    }
  }
  teacher.LNX = longest_day > 10 ? 1 : 0;
  teacher.ORX = (100 + teacher.LNX) * 1000000 + (999 - teacher.DAT) * 1000 + (100 + teacher.LET);
}

std::vector<int> RankedRunList(const SchoolData& data) {
  std::vector<const TeacherType*> list;
  for (const TeacherType& teacher : data.teachers) {
    if (teacher.PUT < teacher.LET) list.push_back(&teacher);
  }
  for (size_t i = 0; i < list.size(); ++i) {
    for (size_t j = i + 1; j < list.size(); ++j) {
      if (list[i]->ORX < list[j]->ORX) std::swap(list[i], list[j]);
    }
  }
  std::vector<int> nos;
  nos.reserve(list.size());
  for (const TeacherType* teacher : list) nos.push_back(teacher->No);
  return nos;
}

}  // namespace orvanta
