#pragma once

// The first teacher and the first class of a class lesson: the rules of the automatic placement
// judge a class lesson by them. nullptr when the class lesson has none or the No is not in use.

#include "data/school_data.h"

namespace orvanta {

inline const TeacherType* FirstTeacher(const SchoolData& data, const CommonType& common) {
  return common.TX >= 1 ? data.teachers.Find(common.TN(1)) : nullptr;
}
inline const ClssType* FirstClass(const SchoolData& data, const CommonType& common) {
  return common.CX >= 1 ? data.classes.Find(common.CN(1)) : nullptr;
}

}  // namespace orvanta
