#pragma once

// The run values (sg_cn) the arrangement gives the teachers before its searches. They stay with
// the teachers after the arrangement, until the next automatic run derives its own.

#include "data/school_data.h"

namespace orvanta {

// Every teacher: gap rule on, and as most week gaps and longest gap the larger of the teacher's
// gap count and the threshold, so no search may add gaps beyond either.
void DeriveArrangementGapValues(SchoolData& data, int gap_threshold);

// Every teacher: the daily maximum is the teacher's own, or the setting when that is 0. Unlike an
// automatic run, no allowance is made for teachers whose hours do not fit.
void DeriveArrangementDailyMaximum(SchoolData& data);

// Entries 1..3 (gap rule switch, most week gaps, longest gap), which gap removal tightens for
// one teacher and gives back when it fails.
struct GapRunValues {
  int gap_rule_off = 0;
  int most_week_gaps = 0;
  int longest_gap = 0;
};
GapRunValues SaveGapRunValues(const TeacherType& teacher);
void RestoreGapRunValues(TeacherType& teacher, const GapRunValues& values);

}  // namespace orvanta
