#pragma once

// What the arrangement measures in a teacher's week besides the gap count of the automatic
// placement (gap_measures.h): the gaps of one day, lone days and the daily loads.

#include <vector>

#include "data/school_data.h"

namespace orvanta {

// The free hours with Mv true that lie after the teacher's first lesson of day d and before a
// later lesson, walking LC1(d)..LC2(d). Unlike the gap count, Lm is not looked at and a day with
// a single lesson simply has none. 0 for a day without usable hours or outside 1..7.
int DayGaps(const TeacherType& teacher, int d);

// The days in use on which the teacher has exactly one hour ("tek düşen").
int LoneDayCount(const TeacherType& teacher, int days_in_use);
inline bool HasLoneDay(const TeacherType& teacher, int days_in_use) {
  return LoneDayCount(teacher, days_in_use) > 0;
}

// The teachers the arrangement works on, in list order: those with lessons to teach (LET > 0).
std::vector<int> ArrangementTeacherNos(const SchoolData& data);

// The two counts of the arrangement dialog, over all teachers.
struct ArrangementCounts {
  int teachers_over_gap_threshold = 0;  // "Öğretmen Sayısı": gap count above the threshold
  int teachers_with_lone_day = 0;       // "Tek Düşen Sayısı"
};
ArrangementCounts CountArrangementTargets(const SchoolData& data, int gap_threshold);

}  // namespace orvanta
