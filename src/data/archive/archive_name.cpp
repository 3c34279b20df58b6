#include "data/archive/archive_name.h"

#include "data/turkish_text.h"

namespace orvanta {

std::string AutomaticArchiveName(const LocalDateTime& t) {
  return LeadingZeros(t.year, 4) + "x" + LeadingZeros(t.month, 2) + "x" + LeadingZeros(t.day, 2) +
         "x" + LeadingZeros(t.hour, 2) + "x" + LeadingZeros(t.minute, 2) + "x" +
         LeadingZeros(t.second, 2) + "x" + LeadingZeros(t.millisecond, 3) + ".zip";
}

}  // namespace orvanta
