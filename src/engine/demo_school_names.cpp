#include "engine/demo_school_names.h"

#include "data/teacher_record.h"
#include "engine/demo_school_catalogue.h"

namespace orvanta::demo {
namespace {

constexpr int kRandomTries = 200;

// The first `count` letters of a UTF-8 text (Turkish letters take two bytes).
std::string FirstLetters(const std::string& utf8, int count) {
  size_t end = 0;
  for (int letter = 0; letter < count && end < utf8.size(); ++letter) {
    ++end;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
  }
  return utf8.substr(0, end);
}

int LetterCount(const std::string& utf8) {
  int count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

std::string Stored(const std::string& short_name) {
  decltype(TeacherType::SName) field{};
  field.SetText(short_name);
  return std::string(field.Raw());
}

}  // namespace

TeacherName TeacherNamer::Next() {
  std::string first;
  std::string surname;
  std::string name = UnusedName(first, surname);
  return {name, UnusedShortName(first, surname)};
}

// A random pair not used yet; once random tries keep hitting used pairs, the first unused pair in
// order, and when every pair is used, the pair with a number.
std::string TeacherNamer::UnusedName(std::string& first, std::string& surname) {
  const auto firsts = FirstNames();
  const auto surnames = Surnames();
  for (int attempt = 0; attempt < kRandomTries; ++attempt) {
    first = firsts[random_.Below(static_cast<int>(firsts.size()))];
    surname = surnames[random_.Below(static_cast<int>(surnames.size()))];
    if (names_.insert(first + " " + surname).second) return first + " " + surname;
  }
  for (int suffix = 1;; ++suffix) {
    for (const char* f : firsts) {
      for (const char* s : surnames) {
        first = f;
        surname = suffix == 1 ? std::string(s) : std::string(s) + " " + std::to_string(suffix);
        if (names_.insert(first + " " + surname).second) return first + " " + surname;
      }
    }
  }
}

// "A.YILMAZ", then "AH.YILMAZ" and so on while the short name is taken, then with a number.
std::string TeacherNamer::UnusedShortName(const std::string& first, const std::string& surname) {
  for (int letters = 1; letters <= LetterCount(first); ++letters) {
    const std::string candidate = FirstLetters(first, letters) + "." + surname;
    if (short_names_.insert(Stored(candidate)).second) return candidate;
  }
  for (int number = 2;; ++number) {
    const std::string digits = std::to_string(number);
    const std::string candidate =
        FirstLetters(first + "." + surname, 12 - static_cast<int>(digits.size())) + digits;
    if (short_names_.insert(Stored(candidate)).second) return candidate;
  }
}

}  // namespace orvanta::demo
