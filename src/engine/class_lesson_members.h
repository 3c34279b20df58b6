#pragma once

// Reaching the members of a class lesson safely: the counts are clamped to 0..50, a No that no
// record has is skipped, and a No listed twice is visited once, so that counters never count one
// slot twice. Internal to the placement core.

#include <algorithm>
#include <type_traits>

#include "data/school_data.h"

namespace orvanta {

inline int MemberCount(int32_t count) { return std::clamp<int32_t>(count, 0, kMaxMembers); }

inline bool ListedBefore(const ANType& nos, int position) {
  for (int i = 1; i < position; ++i) {
    if (nos(i) == nos(position)) return true;
  }
  return false;
}

inline bool IsMember(const ANType& nos, int32_t count, int no) {
  const int n = MemberCount(count);
  for (int i = 1; i <= n; ++i) {
    if (nos(i) == no) return true;
  }
  return false;
}

// Calls visit(record) for each distinct existing member of one list, in list order, while visit
// returns true; returns false when a visit returned false.
template <typename List, typename Visit>
bool VisitMembers(List& list, const ANType& nos, int32_t count, Visit&& visit) {
  const int n = MemberCount(count);
  for (int i = 1; i <= n; ++i) {
    auto* record = list.Find(nos(i));
    if (record == nullptr || ListedBefore(nos, i)) continue;
    if (!visit(*record)) return false;
  }
  return true;
}

// The same over all members of the class lesson: classes, then teachers, then rooms. Data is
// SchoolData or const SchoolData; visit takes any of the three record kinds.
template <typename Data, typename Visit>
bool VisitAllMembers(Data& data, const CommonType& common, Visit&& visit) {
  return VisitMembers(data.classes, common.CN, common.CX, visit) &&
         VisitMembers(data.teachers, common.TN, common.TX, visit) &&
         VisitMembers(data.rooms, common.RN, common.RX, visit);
}

// For visits that cannot fail.
template <typename Data, typename Action>
void ForAllMembers(Data& data, const CommonType& common, Action&& action) {
  VisitAllMembers(data, common, [&](auto& record) {
    action(record);
    return true;
  });
}

template <typename Record>
inline constexpr bool kIsTeacher = std::is_same_v<std::remove_const_t<Record>, TeacherType>;

inline bool InGrid(int d, int h) { return d >= 1 && d <= kDays && h >= 1 && h <= kHours; }
// Hours h .. h+n-1 of day d, n >= 1, all inside the grid.
inline bool BlockInGrid(int d, int h, int n) {
  return n >= 1 && InGrid(d, h) && n <= kHours - h + 1;
}

// Counters move by one modulo the range of their type, so that every step can be undone exactly:
// a rollback restores the bytes even of a counter that was never counted up (class and room LTP
// of hours placed by hand, which a block removal still counts down).
template <typename T>
void CountUp(T& counter) {
  counter = static_cast<T>(static_cast<std::make_unsigned_t<T>>(counter) + 1u);
}
template <typename T>
void CountDown(T& counter) {
  counter = static_cast<T>(static_cast<std::make_unsigned_t<T>>(counter) - 1u);
}

}  // namespace orvanta
