#include "engine/arrangement_blocks.h"

#include <algorithm>

namespace orvanta {

std::optional<ArrangedBlock> MovableBlockAt(const SchoolData& data, const TeacherType& teacher,
                                            int d, int h) {
  if (d < 1 || d > kDays || h < 1 || h > kHours) return std::nullopt;
  if (teacher.Cm(d, h) <= 0 || !teacher.Mv(d, h)) return std::nullopt;
  const CommonType* common = data.commons.Find(teacher.Cm(d, h));
  if (common == nullptr || common->LH(d, h) <= 0 || common->LT(d, h) <= 0) return std::nullopt;
  return ArrangedBlock{common->No, d, common->LH(d, h), common->LT(d, h)};
}

int ShownHourRows(const SchoolData& data) { return std::clamp(data.hour_rows, 1, kHours); }

}  // namespace orvanta
