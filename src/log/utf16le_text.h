#pragma once

#include <string>
#include <string_view>

namespace orvanta::log {

// The UTF-16 little-endian bytes of a UTF-8 text, without a byte-order mark. Characters beyond
// the basic plane become surrogate pairs; malformed UTF-8 bytes become U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

}  // namespace orvanta::log
