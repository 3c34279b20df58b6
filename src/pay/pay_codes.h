#pragma once

// Pay categories with a fixed role, and the codes that stand for a teacher's four calculated
// categories (PX2[1..4]) until a mark is stored. With the default PX2 the codes are also the
// stored category numbers.

#include "data/teacher_record.h"

namespace orvanta {

inline constexpr int kLessonCategory = 1;    // "Ders": hours the teacher teaches
inline constexpr int kGuidanceCategory = 2;  // "Rehberlik": guidance lessons
inline constexpr int kSalaryCategory = 3;    // "Maaş Karşılığı": also counts category 1

inline constexpr int kExtraLessonCode = 4;  // PX2[1]
inline constexpr int kGuidancePayCode = 5;  // PX2[2]
inline constexpr int kClubCode = 6;         // PX2[3]
inline constexpr int kPreparationCode = 8;  // PX2[4]

// The stored category of the teacher's calculated category k (1..4).
inline int CalculatedCategory(const TeacherType& teacher, int k) { return teacher.PX2(k); }

// True when category is one of the teacher's calculated categories first..last.
inline bool IsCalculatedCategory(const TeacherType& teacher, int category, int first, int last) {
  for (int k = first; k <= last; ++k) {
    if (category == CalculatedCategory(teacher, k)) return true;
  }
  return false;
}

}  // namespace orvanta
