#include "data/recount.h"

#include <algorithm>

namespace orvanta {
namespace {

bool HasMember(const ANType& members, int32_t count, int no) {
  const int n = std::clamp(count, 0, kMaxMembers);
  for (int i = 1; i <= n; ++i) {
    if (members(i) == no) return true;
  }
  return false;
}

int MemberCount(int32_t count) { return std::clamp(count, 0, kMaxMembers); }

int LessonHours(const SchoolData& data, const CommonType& common) {
  const LessonType* lesson = data.lessons.Find(common.Le);
  return lesson != nullptr ? lesson->Wl : 0;
}

// First and last hour of day d with mask true, 0 when none.
template <typename Mask>
std::pair<int, int> UsableSpan(const Mask& mask, int d) {
  int first = 0;
  int last = 0;
  for (int h = 1; h <= kHours; ++h) {
    if (mask(d, h)) {
      if (first == 0) first = h;
      last = h;
    }
  }
  return {first, last};
}

void RecountClassMask(ClssType& clss) {
  for (int d = 1; d <= kDays; ++d) {
    const int first = clss.LC1(d);
    const int last = clss.LC2(d);
    for (int h = 1; h <= kHours; ++h) {
      const bool closed_and_free = clss.Cm(d, h) == 0 && !clss.Mv(d, h);
      clss.Lm(d, h) = !(closed_and_free || first == 0 || last == 0 || h < first || h > last);
    }
  }
}

int ClassAvailableHours(const ClssType& clss, int days_in_use) {
  int hours = 0;
  for (int d = 1; d <= days_in_use; ++d) {
    if (clss.LC1(d) != 0 && clss.LC2(d) != 0) hours += clss.LC2(d) - clss.LC1(d) + 1;
  }
  return hours;
}

void RecountCommonMask(const SchoolData& data, CommonType& common) {
  common.Lm.Fill(Boolean{1});
  for (int i = 1; i <= MemberCount(common.CX); ++i) {
    const ClssType* clss = data.classes.Find(common.CN(i));
    if (clss == nullptr) continue;
    for (int k = 0; k < kDays * kHours; ++k) {
      common.Lm.items[k] = common.Lm.items[k] && clss->Lm.items[k];
    }
  }
  for (int d = 1; d <= kDays; ++d) {
    const auto [first, last] = UsableSpan(common.Lm, d);
    common.LC1(d) = first;
    common.LC2(d) = last;
  }
}

void RecountTeacher(const SchoolData& data, TeacherType& teacher) {
  int required = 0;
  teacher.Lm.Fill(Boolean{0});
  for (const CommonType& common : data.commons) {
    if (!HasMember(common.TN, common.TX, teacher.No)) continue;
    required += common.Wl;
    for (int k = 0; k < kDays * kHours; ++k) {
      teacher.Lm.items[k] = teacher.Lm.items[k] || common.Lm.items[k];
    }
  }
  teacher.LET = static_cast<uint8_t>(required & 0xFF);
  int available = 0;
  for (int d = 1; d <= kDays; ++d) {
    const auto [first, last] = UsableSpan(teacher.Lm, d);
    teacher.LC1(d) = first;
    teacher.LC2(d) = last;
    if (d > data.days_in_use || first == 0) continue;
    for (int h = first; h <= last; ++h) {
      if (teacher.Lm(d, h)) ++available;
      if (!teacher.Mv(d, h) && teacher.Cm(d, h) == 0) --available;
    }
  }
  teacher.DAT = static_cast<uint8_t>(available & 0xFF);
}

void RecountRoom(const SchoolData& data, RoomType& room) {
  int required = 0;
  int with_teacher = 0;
  room.Lm.Fill(Boolean{0});
  for (const CommonType& common : data.commons) {
    if (!HasMember(common.RN, common.RX, room.No)) continue;
    const int hours = LessonHours(data, common);
    required += hours;
    if (common.TX > 0) with_teacher += hours;
    for (int k = 0; k < kDays * kHours; ++k) {
      room.Lm.items[k] = room.Lm.items[k] || common.Lm.items[k];
    }
  }
  room.LET = required;
  room.TLE = with_teacher;
  for (int d = 1; d <= kDays; ++d) {
    const auto [first, last] = UsableSpan(room.Lm, d);
    room.LC1(d) = static_cast<uint8_t>(first);
    room.LC2(d) = static_cast<uint8_t>(last);
  }
}

}  // namespace

void RecountClassLoad(SchoolData& data, ClssType& clss) {
  int required = 0;
  int with_teacher = 0;
  for (const CommonType& common : data.commons) {
    if (!HasMember(common.CN, common.CX, clss.No)) continue;
    const int hours = LessonHours(data, common);
    required += hours;
    if (common.TX > 0) with_teacher += hours;
  }
  clss.LET = required;
  clss.TLE = with_teacher;
}

void RecountAll(SchoolData& data) {
  for (ClssType& clss : data.classes) {
    clss.DAT = ClassAvailableHours(clss, data.days_in_use);
    RecountClassLoad(data, clss);
    RecountClassMask(clss);
  }
  for (CommonType& common : data.commons) RecountCommonMask(data, common);
  for (TeacherType& teacher : data.teachers) RecountTeacher(data, teacher);
  for (RoomType& room : data.rooms) RecountRoom(data, room);
}

}  // namespace orvanta
