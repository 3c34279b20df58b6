#include "log/log_line.h"

#include <cstdio>

#include "log/log_time_text.h"

namespace orvanta::log {
namespace {

std::string ThreadIdText(std::uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "%.8X", static_cast<unsigned>(id));
  return text;
}

void AppendOnOneLine(std::string& line, std::string_view text) {
  for (const char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

void ComposeLogLine(const LogLineFields& fields, const Clock& clock, std::string& line) {
  line.clear();
  line.append(fields.software_name).append(" V").append(fields.software_version).append(";");
  line.append(ThreadIdText(fields.thread_id)).append(";");
  line.append(LogLineTime(clock.Now())).append(";");
  line.append(fields.source).append(";");
  AppendOnOneLine(line, fields.text);
  line.append(";\r\n");
}

}  // namespace orvanta::log
