#pragma once

// The demo school: a realistic Turkish secondary school (classes 9-A, 9-B, ... over grades 9 to
// 12, 40 lesson hours a week each over 5 days of 8 hours) generated into an empty program set,
// for trying the program out and for measuring the automatic placement.
//
// The school is built from a complete week in which every hour of every class is placed without
// a clash; that week is placed through the placement core, checked, and taken out again, so a
// full placement is known to exist and the share the automatic placement reaches measures the
// engine. Only the class lesson with a fixed position stays placed (and fixed). The teachers'
// closed slots lie where they have no lesson in the known week.
//
// The same class count and seed give the same records, byte for byte, on every platform.

#include <cstdint>
#include <vector>

#include "data/school_data.h"

namespace orvanta::demo {

inline constexpr int kDefaultDemoClasses = 24;
inline constexpr uint64_t kDefaultDemoSeed = 1;

struct KnownBlock {
  int common_no;
  int day;
  int hour;
  int length;
};

struct DemoSchool {
  std::vector<KnownBlock> known_week;  // every block of the full week, the fixed one included
  int fixed_common_no = 0;             // the class lesson with a fixed position
};

// True when the set holds any lesson, class, room, teacher or class lesson: the demo school is
// only generated into a set without definitions.
bool HoldsDefinitions(const SchoolData& data);

// Fills the open set of data with a school of class_count classes (1..kMaxDemoClasses, see
// demo_school_catalogue.h) and its duty places, sets 5 days and 8 hours in the option record,
// and ends with RecountAll. Writes no file.
// REQUIRES: !HoldsDefinitions(data). Throws std::invalid_argument for a class count out of
// range; std::logic_error if the known week fails the placement invariants (a generator fault).
DemoSchool GenerateDemoSchool(SchoolData& data, int class_count, uint64_t seed);

}  // namespace orvanta::demo
