#include "log/log.h"

#include "log/log_manager.h"

namespace orvanta::log {
namespace {

// Never destroyed, so that a line logged while the program's static objects go away still finds
// a manager (which then drops it).
LogManager& ProgramLog() {
  static LogManager* const manager = new LogManager;
  return *manager;
}

}  // namespace

void Start(LogOptions options) { ProgramLog().Start(std::move(options)); }

void Write(std::string_view unit, std::string_view method, std::string_view text_utf8) {
  ProgramLog().Log(unit, method, text_utf8);
}

void Stop() { ProgramLog().Stop(); }

}  // namespace orvanta::log
