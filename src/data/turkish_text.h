#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Turkish upper-casing: i→İ, ı→I, ç→Ç, ğ→Ğ, ö→Ö, ş→Ş, ü→Ü, a..z→A..Z; everything else unchanged.
std::string TurkishUpper(std::string_view utf8);
char TurkishUpperCp1254(char c);

// The key by which names sort in the Turkish alphabet: each Windows-1254 character, upper-cased,
// becomes the decimal text of twice its code, except Ç 135, Ğ 143, İ 147, Ö 159, Ş 167, Ü 171.
// Keys are compared as plain strings.
std::string NameOrderKey(std::string_view cp1254);

// n written to width digits with leading zeros; wider numbers unchanged.
std::string LeadingZeros(int n, int width);

// Equal when the bytes match, ignoring the case of A..Z only.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace orvanta
