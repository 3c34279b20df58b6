#pragma once

#include "data/school_data.h"

namespace orvanta {

// The hour rows the timetable screens show: the larger of the hours in use and the last lesson
// hour of any class on any day, at most the 18 of the grid.
int ComputeHourRows(const SchoolData& data);

}  // namespace orvanta
