#pragma once

// Where the screen models write the activity log: (unit or class, method or event, text). The
// desktop program passes the program's log; tests record the lines.

#include <string_view>

namespace orvanta {

class EventLog {
 public:
  virtual ~EventLog() = default;
  // Never throws.
  virtual void Write(std::string_view unit, std::string_view method, std::string_view text) = 0;
};

}  // namespace orvanta
