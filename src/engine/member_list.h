#pragma once

// Editing a member list (CN, TN, RN) of a class lesson. Internal to the placement core.

#include "engine/class_lesson_members.h"

namespace orvanta {

// Keeps the entries other than `no`, in their order, zeroes the rest of the array and sets the
// count to their number.
inline void DropMember(ANType& nos, int32_t& count, int no) {
  const int n = MemberCount(count);
  int kept = 0;
  for (int i = 1; i <= n; ++i) {
    if (nos(i) != no) nos(++kept) = nos(i);
  }
  for (int i = kept + 1; i <= kMaxMembers; ++i) nos(i) = 0;
  count = kept;
}

// Appends `no`. REQUIRES: MemberCount(count) < 50.
inline void AppendMember(ANType& nos, int32_t& count, int no) {
  count = MemberCount(count) + 1;
  nos(count) = no;
}

}  // namespace orvanta
