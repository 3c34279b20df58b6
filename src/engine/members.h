#pragma once

// Walks over the members of a class lesson that exist: a member No that no record has is
// skipped, and a damaged count is kept within 0..50.

#include <algorithm>

#include "data/school_data.h"

namespace orvanta {

inline int MemberCount(int32_t count) { return std::clamp<int32_t>(count, 0, kMaxMembers); }

template <typename Record, typename Visit>
void ForEachMember(RecordList<Record>& list, const ANType& nos, int32_t count, Visit visit) {
  for (int i = 1; i <= MemberCount(count); ++i) {
    if (Record* member = list.Find(nos(i))) visit(*member);
  }
}
template <typename Record, typename Visit>
void ForEachMember(const RecordList<Record>& list, const ANType& nos, int32_t count, Visit visit) {
  for (int i = 1; i <= MemberCount(count); ++i) {
    if (const Record* member = list.Find(nos(i))) visit(*member);
  }
}

// True when visit holds for every existing member (stops at the first that fails).
template <typename Record, typename Test>
bool AllMembers(const RecordList<Record>& list, const ANType& nos, int32_t count, Test test) {
  for (int i = 1; i <= MemberCount(count); ++i) {
    const Record* member = list.Find(nos(i));
    if (member != nullptr && !test(*member)) return false;
  }
  return true;
}

inline const TeacherType* FirstTeacher(const SchoolData& data, const CommonType& common) {
  return common.TX >= 1 ? data.teachers.Find(common.TN(1)) : nullptr;
}
inline const ClssType* FirstClass(const SchoolData& data, const CommonType& common) {
  return common.CX >= 1 ? data.classes.Find(common.CN(1)) : nullptr;
}

}  // namespace orvanta
