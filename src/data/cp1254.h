#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Records hold their texts in the Turkish Windows code page; everything else in the program is
// UTF-8. These two functions are the only crossing between the two.

// Characters that have no Windows-1254 form become '?'. Invalid UTF-8 bytes become '?' too.
std::string Utf8ToCp1254(std::string_view utf8);

// Every Windows-1254 byte has a UTF-8 form; the five unassigned bytes map to U+FFFD.
std::string Cp1254ToUtf8(std::string_view cp1254);

}  // namespace orvanta
