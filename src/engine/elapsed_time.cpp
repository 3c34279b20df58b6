#include "engine/elapsed_time.h"

namespace orvanta {
namespace {

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return text;
}

}  // namespace

std::string ElapsedTimeText(int seconds) {
  if (seconds < 0) seconds = 0;
  return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
         TwoDigits(seconds % 60);
}

}  // namespace orvanta
