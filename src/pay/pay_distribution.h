#pragma once

// The steps of the pay recount that place a teacher's calculated hours: guidance, social club
// and preparation hours into free slots, and extra hours onto lesson slots. Each takes the number
// of hours from the working values and the options from the pay settings; the target category is
// the teacher's PX2 entry, and a category of 0 or below places nothing.

#include <cstdint>

#include "data/archive/pay_settings.h"
#include "data/teacher_record.h"

namespace orvanta {

// Into PX2[2]: on the option days, or on the last day with guidance lessons when the options ask
// for it; what does not fit there goes to the latest free slots from Friday back to Monday.
void DistributeGuidance(const PaySettings& settings, TeacherType& teacher, int64_t hours);

// Into PX2[3]: on the option days; what does not fit goes to the days in day order.
void DistributeClub(const PaySettings& settings, TeacherType& teacher, int64_t hours);

// Into PX2[4], one hour at a time: gathered from Friday back when the options ask for it, else on
// the least loaded day. Hours for which no day has a free slot are dropped.
void DistributePreparation(const PaySettings& settings, TeacherType& teacher, int64_t hours);

// Moves hours lesson slots (category 1) to PX2[1], one at a time from the latest lesson of the
// least loaded day. Hours for which no weekday has a lesson slot left stay unconverted.
void ConvertExtraLessons(TeacherType& teacher, int64_t hours);

}  // namespace orvanta
