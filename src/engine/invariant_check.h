#pragma once

// A whole-data check of the placement invariants, for tests and for diagnosing damaged program
// sets. It reads everything and changes nothing.

#include <string>

#include "data/school_data.h"

namespace orvanta {

// Verifies, over the open set:
// - every class lesson's LD/LH/LT cells are 0 where it is not placed and, where it is, form
//   whole blocks (LD = d, every slot of LH .. LH+LT-1 inside the day carries the same LH and LT);
// - a class lesson occupies (d, h) exactly when every existing class, teacher and room member has
//   Cm(d, h) = its No;
// - no class, teacher or room Cm cell names a class lesson that does not exist, does not list the
//   entity as a member, or does not occupy that slot;
// - class lesson Pt and LTP(d), teacher PUT and LTP(d), class and room PUT equal the number of
//   occupied slots (in total, per day).
// Class and room LTP are not checked: the hour operations leave them alone.
// Returns a description of the first violation found, empty when there is none.
std::string CheckInvariants(const SchoolData& data);

}  // namespace orvanta
