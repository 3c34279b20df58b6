#include "pay/pay_day_order.h"

#include <cstdint>
#include <utility>

#include "pay/pay_sums.h"

namespace orvanta {

WeekdayOrder DayOrder(const TeacherType& teacher) {
  WeekdayOrder order = {1, 5, 3, 2, 4};
  std::array<int64_t, kDays + 1> load{};
  for (int day : order) load[day] = DayLoad(teacher, day);
  for (size_t i = 0; i < order.size(); ++i) {
    for (size_t j = i + 1; j < order.size(); ++j) {
      if (load[order[j]] < load[order[i]]) std::swap(order[i], order[j]);
    }
  }
  return order;
}

}  // namespace orvanta
