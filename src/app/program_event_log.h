#pragma once

// The EventLog of the running program: the program's activity log.

#include "app/event_log.h"

namespace orvanta {

class ProgramEventLog : public EventLog {
 public:
  void Write(std::string_view unit, std::string_view method, std::string_view text) override;
};

}  // namespace orvanta
