#include <gtest/gtest.h>

#include "data/cp1254.h"
#include "data/record_types.h"
#include "data/turkish_text.h"

namespace orvanta {
namespace {

TEST(Cp1254, TurkishLettersRoundTrip) {
  const std::string text = "ÇĞİÖŞÜ çğıöşü €";
  const std::string raw = Utf8ToCp1254(text);
  EXPECT_EQ(raw, "\xC7\xD0\xDD\xD6\xDE\xDC \xE7\xF0\xFD\xF6\xFE\xFC \x80");
  EXPECT_EQ(Cp1254ToUtf8(raw), text);
}

TEST(Cp1254, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1254("a✓b"), "a?b");
  EXPECT_EQ(Utf8ToCp1254("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1254("\xFF"), "?");
}

TEST(ShortString, TextIsCutToCapacityInBytesOfTheCodePage) {
  ShortString<5> s{};
  s.SetText("ÇĞİÖŞÜ");  // six letters, six bytes in the record
  EXPECT_EQ(s.length, 5);
  EXPECT_EQ(s.Text(), "ÇĞİÖŞ");
}

TEST(TurkishUpper, FollowsTheTurkishRule) {
  EXPECT_EQ(TurkishUpper("istanbul ırmak çğöşü abc"), "İSTANBUL IRMAK ÇĞÖŞÜ ABC");
  EXPECT_EQ(TurkishUpper("İI9-a"), "İI9-A");
}

TEST(LeadingZeros, PadsOnlyShortNumbers) {
  EXPECT_EQ(LeadingZeros(1, 2), "01");
  EXPECT_EQ(LeadingZeros(12, 2), "12");
  EXPECT_EQ(LeadingZeros(123, 2), "123");
  EXPECT_EQ(LeadingZeros(7, 3), "007");
}

}  // namespace
}  // namespace orvanta
