#include "data/turkish_text.h"


namespace orvanta {
namespace {

constexpr unsigned char kCapitalCCedilla = 0xC7;
constexpr unsigned char kCapitalGBreve = 0xD0;
constexpr unsigned char kCapitalODiaeresis = 0xD6;
constexpr unsigned char kCapitalUDiaeresis = 0xDC;
constexpr unsigned char kCapitalIDot = 0xDD;
constexpr unsigned char kCapitalSCedilla = 0xDE;

}  // namespace

char TurkishUpperCp1254(char c) {
  const auto byte = static_cast<unsigned char>(c);
  switch (byte) {
    case 'i': return static_cast<char>(kCapitalIDot);
    case 0xFD: return 'I';  // ı
    case 0xE7: return static_cast<char>(kCapitalCCedilla);
    case 0xF0: return static_cast<char>(kCapitalGBreve);
    case 0xF6: return static_cast<char>(kCapitalODiaeresis);
    case 0xFE: return static_cast<char>(kCapitalSCedilla);
    case 0xFC: return static_cast<char>(kCapitalUDiaeresis);
    default:
      if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 'a' + 'A');
      return c;
  }
}

std::string TurkishUpper(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 4);
  size_t i = 0;
  while (i < utf8.size()) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      out += byte == 'i' ? std::string("İ") : std::string(1, TurkishUpperCp1254(utf8[i]));
      ++i;
      continue;
    }
    size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    if (i + length > utf8.size()) length = utf8.size() - i;
    const std::string_view piece = utf8.substr(i, length);
    i += length;
    static constexpr std::string_view kLower[] = {"ı", "ç", "ğ", "ö", "ş", "ü"};
    static constexpr std::string_view kUpper[] = {"I", "Ç", "Ğ", "Ö", "Ş", "Ü"};
    bool mapped = false;
    for (size_t k = 0; k < std::size(kLower); ++k) {
      if (piece == kLower[k]) {
        out += kUpper[k];
        mapped = true;
        break;
      }
    }
    if (!mapped) out += piece;
  }
  return out;
}

std::string NameOrderKey(std::string_view cp1254) {
  std::string key;
  key.reserve(cp1254.size() * 3);
  for (const char c : cp1254) {
    const auto upper = static_cast<unsigned char>(TurkishUpperCp1254(c));
    switch (upper) {
      case kCapitalCCedilla: key += "135"; break;
      case kCapitalGBreve: key += "143"; break;
      case kCapitalIDot: key += "147"; break;
      case kCapitalODiaeresis: key += "159"; break;
      case kCapitalSCedilla: key += "167"; break;
      case kCapitalUDiaeresis: key += "171"; break;
      default: key += std::to_string(2 * upper);
    }
  }
  return key;
}

std::string LeadingZeros(int n, int width) {
  std::string digits = std::to_string(n);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace orvanta
