#include "app/program_event_log.h"

#include "log/log.h"

namespace orvanta {

void ProgramEventLog::Write(std::string_view unit, std::string_view method, std::string_view text) {
  log::Write(unit, method, text);
}

}  // namespace orvanta
