#pragma once

#include <vector>

#include "data/school_data.h"

namespace orvanta {

// The block lengths a run serves, ascending: every distinct length 1..18 in the form of
// settlement of a class lesson that has a teacher and is not complete.
std::vector<int> TourLengths(const SchoolData& data);

}  // namespace orvanta
