#include "pay/pay_summary.h"

#include "pay/pay_codes.h"
#include "pay/pay_sums.h"

namespace orvanta {

std::string PaySummaryText(const PaySettings& settings, const TeacherType& teacher) {
  const int64_t lessons = WeekSum(settings, teacher, kLessonCategory);
  const int64_t guidance = WeekSum(settings, teacher, kGuidanceCategory);
  if (guidance > 0) {
    const std::string guidance_text = std::to_string(guidance) + " Rehberlik";
    return lessons == 0 ? guidance_text : std::to_string(lessons) + " Ders + " + guidance_text;
  }
  if (lessons == 0) return "";
  return std::to_string(lessons) + (teacher.PX1(5) > 0 ? " Ders + Sosyal Kulüp" : " Ders");
}

}  // namespace orvanta
