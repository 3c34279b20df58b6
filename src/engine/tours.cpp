#include "engine/tours.h"

#include <array>

namespace orvanta {

std::vector<int> TourLengths(const SchoolData& data) {
  std::array<bool, kHours + 1> occurs{};
  for (const CommonType& common : data.commons) {
    if (common.TX <= 0 || common.Pt >= common.Wl) continue;
    for (int k = 1; k <= LFType::kSize; ++k) {
      const int length = common.LF(k);
      if (length >= 1 && length <= kHours) occurs[length] = true;
    }
  }
  std::vector<int> lengths;
  for (int length = 1; length <= kHours; ++length) {
    if (occurs[length]) lengths.push_back(length);
  }
  return lengths;
}

}  // namespace orvanta
