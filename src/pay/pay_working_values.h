#pragma once

// The numbers one pay recount of a teacher works with, computed after the reset of its marks.

#include <cstdint>

#include "data/archive/pay_settings.h"
#include "data/teacher_record.h"

namespace orvanta {

struct PayWorkingValues {
  int64_t quota = 0;          // PX1[1] "Maaş Karşılığı"
  int64_t divisor = 0;        // PX1[2] "Hazırlık Planlama"
  int64_t lessons = 0;        // category 1 slot values over the week
  int64_t weighted_base = 0;  // slot values weighted by each category's "Matrah"
  int64_t guidance_hours = 0;
  int64_t club_hours = 0;
  int64_t preparation_hours = 0;
  int64_t extra_hours = 0;
};

// A teacher with guidance lessons gets 2 guidance hours, or fewer while the salary quota is not
// reached and the option asks for it; otherwise a club leader with lessons gets 2 club hours.
// One preparation hour per divisor weighted hours. Lessons above the quota are extra hours, at
// most PX1[4] when that is above 0.
PayWorkingValues ComputePayWorkingValues(const PaySettings& settings, const TeacherType& teacher);

}  // namespace orvanta
