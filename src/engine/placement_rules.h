#pragma once

// The rules a block must satisfy before the automatic placement (and the arrangement) puts it
// into the grids. Each takes the class lesson C, the block length n, the day d and the block's
// first hour h, and judges the grids as they are now: the block's own slots are expected to be
// free. A class lesson without teachers passes the rules of its first teacher, one without
// classes those of its first class.

#include "data/school_data.h"

namespace orvanta {

// Where a run stands; the day-gap rule is strictest in the first pass of the first attempt.
struct SearchPhase {
  int attempt = 1;
  int pass = 1;
};

// 1. At most one block of C a day; with the 1 + 1 setting a single hour may join C's single hour
// of that day.
bool DaySpreadHolds(const SchoolData& data, const CommonType& common, int n, int d, int h);
// 2. No teacher exceeds the daily maximum, unless the block alone is that long.
bool DailyMaximumHolds(const SchoolData& data, const CommonType& common, int n, int d);
// 3. Every teacher satisfies the gap rule.
bool GapsHold(const SchoolData& data, const CommonType& common, int n, int d, int h);
// 4. The first teacher meets C's first class in other lessons of that day only up to 2 hours.
bool SameClassHolds(const SchoolData& data, const CommonType& common, int n, int d);
// 5. The first class has at most 2 hours of the lesson's group that day.
bool GroupHolds(const SchoolData& data, const CommonType& common, int n, int d);
// 6. The first teacher switches between classes with Id "1" and the others at most once a day
// and never in adjacent hours.
bool ClassGroupSwitchHolds(const SchoolData& data, const CommonType& common, int n, int d, int h);
// 7. The block must not make a lone day for the first teacher when its lone-day value is set.
bool LoneDayHolds(const SchoolData& data, const CommonType& common, int n, int d);
// 8. A class lesson on one day only gets its next block at least two days away.
bool DayGapHolds(const SchoolData& data, const CommonType& common, int d, SearchPhase phase);

// All eight, in this order.
bool RulesHold(const SchoolData& data, const CommonType& common, int n, int d, int h,
               SearchPhase phase);

// The gap rule for one teacher: a new block must touch one of the teacher's lessons of the day,
// or leave at most the teacher's allowance of free hours to the nearest one.
bool TeacherGapRuleHolds(const SchoolData& data, const TeacherType& teacher, int n, int d, int h);

}  // namespace orvanta
