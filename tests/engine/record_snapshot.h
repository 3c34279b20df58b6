#pragma once

// The bytes of every placement-bearing record, to show that an undo restores them exactly.

#include <cstring>
#include <string>

#include "data/school_data.h"

namespace orvanta::testing {

template <typename List>
std::string ListBytes(const List& list) {
  std::string bytes;
  for (const auto& record : list) {
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
  }
  return bytes;
}

inline std::string PlacementBytes(const SchoolData& data) {
  return ListBytes(data.commons) + ListBytes(data.classes) + ListBytes(data.teachers) +
         ListBytes(data.rooms);
}

}  // namespace orvanta::testing
