#include "engine/fixed_positions.h"

#include <algorithm>

#include "engine/class_lesson_members.h"
#include "engine/hour_operations.h"

namespace orvanta {

std::vector<SkippedHour> PlaceFixedPositions(SchoolData& data) {
  std::vector<SkippedHour> skipped;
  // Placing hours does not reorder the list, so positions stay valid.
  for (int i = 0; i < data.commons.Count(); ++i) {
    const CommonType& common = data.commons.At(i);
    if (common.Pt != 0 || !common.HasFixedPosition()) continue;
    const int no = common.No;
    const int d = common.spr_d;
    const int first = common.spr_h;
    // More hours than the grid has can never be placed; the bound keeps a damaged Wl finite.
    const int hours = std::min<int32_t>(common.Wl, kDays * kHours);
    for (int k = 0; k < hours; ++k) {
      const int h = first + k;
      if (PlaceHour(data, no, d, h)) {
        SetBlockMovable(data, no, d, h, false);
      } else {
        skipped.push_back({no, d, h});
      }
    }
  }
  return skipped;
}

std::vector<SkippedHour> RebuildFromTeacherGrids(SchoolData& data) {
  std::vector<SkippedHour> skipped;
  for (int i = 0; i < data.teachers.Count(); ++i) {
    TeacherType& teacher = data.teachers.At(i);
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) {
        const int no = teacher.Cm(d, h);
        if (no <= 0) continue;
        const CommonType* common = data.commons.Find(no);
        if (common != nullptr && common->LH(d, h) != 0) {
          // Placed already, through another teacher of the class lesson; a slot that names it
          // without the teacher being one of its teachers cannot stay.
          if (IsMember(common->TN, common->TX, teacher.No)) continue;
          teacher.Cm(d, h) = 0;
          skipped.push_back({no, d, h});
          continue;
        }
        teacher.Cm(d, h) = 0;
        if (common == nullptr || !PlaceHour(data, no, d, h)) skipped.push_back({no, d, h});
      }
    }
  }
  return skipped;
}

}  // namespace orvanta
