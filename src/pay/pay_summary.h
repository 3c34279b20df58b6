#pragma once

// The one-line summary of a teacher's lesson and guidance hours on the pay screen.

#include <string>

#include "data/archive/pay_settings.h"
#include "data/teacher_record.h"

namespace orvanta {

// "20 Ders", "20 Ders + Sosyal Kulüp", "2 Rehberlik", "18 Ders + 2 Rehberlik" from the week sums
// of categories 1 and 2; empty without either.
std::string PaySummaryText(const PaySettings& settings, const TeacherType& teacher);

}  // namespace orvanta
