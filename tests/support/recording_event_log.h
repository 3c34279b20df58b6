#pragma once

// An EventLog for tests: keeps every line.

#include <string>
#include <vector>

#include "app/event_log.h"

namespace orvanta::testing {

class RecordingEventLog : public EventLog {
 public:
  struct Line {
    std::string unit;
    std::string method;
    std::string text;
    bool operator==(const Line&) const = default;
  };

  void Write(std::string_view unit, std::string_view method, std::string_view text) override {
    lines.push_back({std::string(unit), std::string(method), std::string(text)});
  }

  bool Contains(const Line& line) const {
    for (const Line& logged : lines) {
      if (logged == line) return true;
    }
    return false;
  }

  std::vector<Line> lines;
};

}  // namespace orvanta::testing
