#pragma once

// What an entry field keeps of the text typed into it.

#include <string>
#include <string_view>

namespace orvanta {

// The first max_characters characters of a UTF-8 text (0 = all of it).
std::string FirstCharacters(std::string_view utf8, size_t max_characters);

// The digits 0..9 of the text, in order.
std::string DigitsOnly(std::string_view text);

// A name or password field: upper-cased by the Turkish rule, then cut to max_characters.
std::string UpperCasedField(std::string_view utf8, size_t max_characters);

}  // namespace orvanta
