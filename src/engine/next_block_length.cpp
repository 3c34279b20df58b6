#include "engine/next_block_length.h"

#include <algorithm>

namespace orvanta {
namespace {

// Marks the placed block of the first unmatched slot of this length as matched; false when no
// placed block of that length is left.
bool MatchBlockOfLength(const CommonType& common, int length, bool (&matched)[kDays][kHours]) {
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      if (matched[d - 1][h - 1] || common.LT(d, h) != length) continue;
      const int first = std::clamp(common.LH(d, h), 1, kHours);
      const int last = std::min(first + common.LT(d, h) - 1, kHours);
      for (int x = first; x <= last; ++x) matched[d - 1][x - 1] = true;
      matched[d - 1][h - 1] = true;
      return true;
    }
  }
  return false;
}

}  // namespace

int NextBlockLength(const CommonType& common) {
  const int remaining = common.Wl - common.Pt;
  int form[LFType::kSize];
  bool matched[kDays][kHours] = {};
  for (int k = 1; k <= LFType::kSize; ++k) {
    form[k - 1] = common.LF(k);
    if (form[k - 1] > 0 && MatchBlockOfLength(common, form[k - 1], matched)) form[k - 1] = 0;
  }
  for (int length : form) {
    if (length > 0 && length <= remaining) return length;
  }
  return remaining;
}

}  // namespace orvanta
