#pragma once

#include "data/common_record.h"

namespace orvanta {

// The length of the next block to place for a class lesson. Each placed block cancels one entry
// of the form of settlement of exactly its length (the first one found, in day and hour order);
// the result is the first remaining entry that still fits into the unplaced hours, else the
// unplaced hours themselves (so a lesson without a form gets its remaining hours as one block).
// 0 or less when the class lesson is complete. 2+2+1 with one 2-block placed gives 2, then 1.
int NextBlockLength(const CommonType& common);

}  // namespace orvanta
