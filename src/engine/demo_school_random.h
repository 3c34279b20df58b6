#pragma once

// The demo school's own random numbers: splitmix64, whose output is fixed by its arithmetic, so
// a seed gives the same school with every compiler and standard library.

#include <cstdint>
#include <utility>
#include <vector>

namespace orvanta::demo {

class DemoRandom {
 public:
  explicit DemoRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // REQUIRES: n > 0. The slight bias of the modulo does not matter here.
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

  // True in about one of every n calls. REQUIRES: n > 0.
  bool OneIn(int n) { return Below(n) == 0; }

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
      std::swap(items[i], items[Below(i + 1)]);
    }
  }

 private:
  uint64_t state_;
};

}  // namespace orvanta::demo
