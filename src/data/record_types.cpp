#include "data/record_types.h"

#include "data/cp1254.h"

namespace orvanta {

std::string ShortStringText(std::string_view raw) { return Cp1254ToUtf8(raw); }
std::string ShortStringRaw(std::string_view utf8) { return Utf8ToCp1254(utf8); }

}  // namespace orvanta
