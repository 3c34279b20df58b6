#include "app/typed_text.h"

#include "data/turkish_text.h"

namespace orvanta {

std::string FirstCharacters(std::string_view utf8, size_t max_characters) {
  if (max_characters == 0) return std::string(utf8);
  size_t characters = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
    if (starts_character && characters++ == max_characters) return std::string(utf8.substr(0, i));
  }
  return std::string(utf8);
}

std::string DigitsOnly(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

std::string UpperCasedField(std::string_view utf8, size_t max_characters) {
  return FirstCharacters(TurkishUpper(utf8), max_characters);
}

}  // namespace orvanta
