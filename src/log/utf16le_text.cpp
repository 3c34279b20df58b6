#include "log/utf16le_text.h"

#include <cstddef>

namespace orvanta::log {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point at in[i] and advances i past it. Overlong forms, surrogates and values
// above U+10FFFF are malformed; a malformed sequence consumes its lead byte only.
char32_t NextCodePoint(std::string_view in, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(in[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    min = 0x10000;
  } else {
    return kReplacement;
  }
  if (in.size() - i < static_cast<std::size_t>(extra)) return kReplacement;
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(in[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  i += extra;
  return cp;
}

void AppendUnit(std::string& out, char32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}

}  // namespace

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x10000) {
      AppendUnit(out, cp);
    } else {
      const char32_t offset = cp - 0x10000;
      AppendUnit(out, 0xD800 + (offset >> 10));
      AppendUnit(out, 0xDC00 + (offset & 0x3FF));
    }
  }
  return out;
}

}  // namespace orvanta::log
