#include "engine/hour_operations.h"

#include <algorithm>

#include "engine/class_lesson_members.h"
#include "engine/placement_slots.h"
#include "pay/pay_recount.h"

namespace orvanta {
namespace {

// Whether hour `neighbour` of day d belongs to the class lesson, judged on the grid of its first
// class (the screens never leave a class lesson without classes). A class lesson without
// existing classes is judged on its own LH grid alone; otherwise both must agree, so that damaged
// data never merges a slot the class lesson does not occupy.
bool SameLessonAt(const SchoolData& data, const CommonType& common, int d, int neighbour) {
  if (common.LH(d, neighbour) == 0) return false;
  for (int i = 1; i <= MemberCount(common.CX); ++i) {
    if (const ClssType* first = data.classes.Find(common.CN(i))) {
      return first->Cm(d, neighbour) == common.No;
    }
  }
  return true;
}

// LD/LH/LT of the slots first..last of day d := one block from `first` of length `length`.
void MarkBlock(CommonType& common, int d, int first, int last, int length) {
  for (int h = std::max(first, 1); h <= std::min(last, kHours); ++h) {
    common.LD(d, h) = d;
    common.LH(d, h) = first;
    common.LT(d, h) = length;
  }
}

void MergeAround(const SchoolData& data, CommonType& common, int d, int h) {
  MarkBlock(common, d, h, h, 1);
  if (h >= 2 && SameLessonAt(data, common, d, h - 1)) {
    const int start = common.LH(d, h - 1);
    const int length = common.LT(d, h - 1) + 1;
    MarkBlock(common, d, start, start + length - 1, length);
  }
  if (h <= kHours - 1 && SameLessonAt(data, common, d, h + 1)) {
    const int start = common.LH(d, h);
    const int length = common.LT(d, h) + common.LT(d, h + 1);
    MarkBlock(common, d, start, start + length - 1, length);
  }
}

void SplitAt(const SchoolData& data, CommonType& common, int d, int h) {
  if (h >= 2 && SameLessonAt(data, common, d, h - 1)) {
    const int start = common.LH(d, h - 1);
    MarkBlock(common, d, start, h - 1, h - start);
  }
  if (h <= kHours - 1 && SameLessonAt(data, common, d, h + 1)) {
    const int last = common.LH(d, h + 1) + common.LT(d, h + 1) - 1;
    MarkBlock(common, d, h + 1, last, last - h);
  }
}

}  // namespace

bool PlaceHour(SchoolData& data, int common_no, int d, int h) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !InGrid(d, h) || !SlotTakesLesson(data, *common, d, h)) return false;
  OccupySlot(data, *common, d, h, SlotCounting::kHour);
  MergeAround(data, *common, d, h);
  return true;
}

bool RemoveHour(SchoolData& data, int common_no, int d, int h) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !InGrid(d, h) || common->LH(d, h) == 0) return false;
  SplitAt(data, *common, d, h);
  VacateSlot(data, *common, d, h, SlotCounting::kHour);
  // The recount gets a copy of the teacher list: it works on the data as a whole.
  const ANType teachers = common->TN;
  const int32_t teacher_count = common->TX;
  VisitMembers(data.teachers, teachers, teacher_count, [&](TeacherType& teacher) {
    PayRecountTeacher(data, teacher.No);
    return true;
  });
  return true;
}

void RemoveAllHours(SchoolData& data, int common_no) {
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      const CommonType* common = data.commons.Find(common_no);
      if (common == nullptr) return;
      if (common->LH(d, h) <= 0) continue;
      SetBlockMovable(data, common_no, d, h, true);
      RemoveHour(data, common_no, d, h);
    }
  }
}

void SetBlockMovable(SchoolData& data, int common_no, int d, int h, bool value) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !InGrid(d, h) || common->LH(d, h) <= 0) return;
  const int start = common->LH(d, h);
  if (start > h) return;  // a damaged block start
  const int length = common->LT(d, start);
  const int last = std::min(start + length - 1, kHours);
  ForAllMembers(data, *common, [&](auto& member) {
    for (int hour = start; hour <= last; ++hour) member.Mv(d, hour) = value;
  });
}

}  // namespace orvanta
