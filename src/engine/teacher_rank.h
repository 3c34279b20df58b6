#pragma once

#include <vector>

#include "data/school_data.h"

namespace orvanta {

// Sets LNX (1 when the teacher's longest day spans more than 10 hours) and ORX, the rank number
// (100 + LNX)·10^6 + (999 − DAT)·10^3 + (100 + LET): the decimal texts of the three parts, three
// digits each, joined. REQUIRES: LC1/LC2, DAT and LET recounted.
void RankTeacher(TeacherType& teacher, int days_in_use);

// The teachers with hours still to place (PUT < LET), in the order a run serves them: descending
// ORX, brought there by the exchange ordering the program has always used (for each position,
// every later entry with a larger ORX is swapped in), which decides the order of equal ranks.
std::vector<int> RankedRunList(const SchoolData& data);

}  // namespace orvanta
