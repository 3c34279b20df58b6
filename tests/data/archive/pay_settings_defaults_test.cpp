#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/archive/pay_settings.h"
#include "data/cp1254.h"
#include "data/record_defaults.h"

// The expected bytes are laid out here from the file's offset table, independent of the struct,
// with texts spelled as Windows-1254 bytes.

namespace orvanta {
namespace {

constexpr size_t kRecordSize = 6624;

size_t CategoryOffset(int c) { return 560 + 136 * static_cast<size_t>(c); }
size_t AbsenceOffset(int row) { return 4776 + 64 * static_cast<size_t>(row - 1); }
size_t HolidayOffset(int row) { return 5544 + 84 * static_cast<size_t>(row - 1); }

// A zero image of some bytes, filled in by offset.
class Image {
 public:
  explicit Image(size_t size) : bytes_(size, '\0') {}

  Image& Byte(size_t offset, uint8_t value) {
    bytes_.at(offset) = static_cast<char>(value);
    return *this;
  }
  Image& Bytes(size_t offset, const std::vector<uint8_t>& values) {
    for (size_t i = 0; i < values.size(); ++i) Byte(offset + i, values[i]);
    return *this;
  }
  // A string[N]: the length byte, then the characters.
  Image& Text(size_t offset, const std::string& cp1254) {
    Byte(offset, static_cast<uint8_t>(cp1254.size()));
    for (size_t i = 0; i < cp1254.size(); ++i) Byte(offset + 1 + i, cp1254[i]);
    return *this;
  }
  // #RRGGBB stored little-endian with red in the lowest byte.
  Image& Colour(size_t offset, uint32_t rrggbb) {
    return Bytes(offset, {static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
                          static_cast<uint8_t>(rrggbb), 0});
  }
  Image& Members(int first, int last) {
    for (int m = first; m <= last; ++m) Byte(12 + m, 1);
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string DefaultRecord() {
  PaySettings settings;
  FillDefaults(settings);
  return std::string(reinterpret_cast<const char*>(&settings), sizeof(settings));
}

std::string Region(size_t offset, size_t size) { return DefaultRecord().substr(offset, size); }

bool AllZero(const std::string& bytes) {
  return bytes.find_first_not_of('\0') == std::string::npos;
}

TEST(PaySettingsDefaults, RecordIsOneRecordOfTheFileSize) {
  EXPECT_EQ(DefaultRecord().size(), kRecordSize);
}

TEST(PaySettingsDefaults, HeadBeforeTheCategoriesHoldsOnlyTheNamedDefaults) {
  Image head(696);
  head.Text(13, "T.C.")
      .Text(114, "VEVIRED IREDAZUROVUV")
      .Text(215, Utf8ToCp1254(kDefaultInstitutionName))
      .Text(316, Utf8ToCp1254(kDefaultPrincipalName))
      .Text(347,
            "Okul M\xFC"
            "d\xFC"
            "r\xFC")
      .Byte(440, 7)
      .Byte(441, 1)
      .Byte(448, 1);
  EXPECT_EQ(Region(0, 696), head.bytes());
}

struct CategoryCase {
  const char* label;
  int c;
  Image expected;
};

std::vector<CategoryCase> CategoryCases() {
  std::vector<CategoryCase> cases;
  cases.push_back({"lesson hours", 1,
                   Image(136)
                       .Bytes(0, {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1})
                       .Members(1, 1)
                       .Text(77,
                             "Girdi\xF0"
                             "i Ders Saati")
                       .Text(108, "Ders")
                       .Text(121, "Dr.Sa")
                       .Colour(128, 0x000000)
                       .Colour(132, 0xFFFFFF)});
  cases.push_back({"extra lesson pay with KBS code", 4,
                   Image(136)
                       .Bytes(0, {0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1})
                       .Text(73, "101")
                       .Text(77,
                             "\xDC"
                             "cret Kar\xFE\xFDl\xFD\xF0\xFD Girdi\xF0"
                             "i")
                       .Text(108,
                             "\xDC"
                             "cret")
                       .Text(121,
                             "Dr.\xDC"
                             "c")
                       .Colour(128, 0xFFFFFF)
                       .Colour(132, 0xFF0000)});
  cases.push_back({"total pay", 10,
                   Image(136)
                       .Bytes(0, {0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1})
                       .Members(4, 9)
                       .Text(77,
                             "Toplam \xDC"
                             "cret")
                       .Text(108,
                             "Top.\xDC"
                             "c")
                       .Text(121,
                             "To.\xDC"
                             "c")
                       .Colour(128, 0x585858)
                       .Colour(132, 0xFFFFFF)});
  cases.push_back({"boarding duty with asymmetric colour", 12,
                   Image(136)
                       .Bytes(0, {0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1})
                       .Members(12, 12)
                       .Text(73, "106")
                       .Text(77, "Belletmenlik")
                       .Text(108, "Belletmen")
                       .Text(121, "Bel.")
                       .Colour(128, 0xEC7600)
                       .Colour(132, 0x000000)});
  cases.push_back({"placeholder within a range of rows", 23,
                   Image(136)
                       .Bytes(0, {4, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1})
                       .Text(73, "101")
                       .Text(77, "X Hesap Alan")
                       .Text(108, "X Hesap")
                       .Text(121, "X H")
                       .Colour(128, 0xFFFFFF)
                       .Colour(132, 0xFF0000)});
  cases.push_back({"grand total", 30,
                   Image(136)
                       .Bytes(0, {25, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1})
                       .Members(4, 9)
                       .Members(11, 18)
                       .Text(77, "Genel Toplam")
                       .Text(108, "Genel")
                       .Text(121, "GnTp")
                       .Colour(128, 0x585858)
                       .Colour(132, 0xFFFFFF)});
  return cases;
}

TEST(PaySettingsDefaults, CategoriesHoldTheirRowsAtTheirOffsets) {
  for (const CategoryCase& test : CategoryCases()) {
    SCOPED_TRACE(test.label);
    EXPECT_EQ(Region(CategoryOffset(test.c), 136), test.expected.bytes()) << "category " << test.c;
  }
}

TEST(PaySettingsDefaults, EveryCategoryLeavesItsUnnamedBytesZero) {
  for (int c = 1; c <= 30; ++c) {
    const std::string category = Region(CategoryOffset(c), 136);
    SCOPED_TRACE("category " + std::to_string(c));
    EXPECT_TRUE(AllZero(category.substr(43, 30)));
    EXPECT_EQ(category[11], 1);
    EXPECT_EQ(category[12], 1);
  }
}

TEST(PaySettingsDefaults, CategoriesWithoutKbsCodeLeaveItEmpty) {
  for (int c : {1, 2, 3, 10, 26, 27, 28, 29, 30}) {
    EXPECT_TRUE(AllZero(Region(CategoryOffset(c) + 73, 4))) << "category " << c;
  }
}

TEST(PaySettingsDefaults, AbsenceRowsHoldTheirLettersAndColours) {
  const Image leave = Image(64)
                          .Text(0,
                                "\xDD"
                                "zin")
                          .Text(31,
                                "\xDD"
                                "zin")
                          .Byte(44, 1)
                          .Byte(45, 0xDD)
                          .Colour(52, 0x99FF99)
                          .Colour(56, 0x000000);
  EXPECT_EQ(Region(AbsenceOffset(3), 64), leave.bytes());
  const Image duty = Image(64)
                         .Text(0, "G\xF6rev")
                         .Text(31, "Grv.")
                         .Byte(44, 1)
                         .Byte(45, 'G')
                         .Colour(52, 0xFFFF9D)
                         .Colour(56, 0x000000)
                         .Byte(60, 1);
  EXPECT_EQ(Region(AbsenceOffset(4), 64), duty.bytes());
  EXPECT_TRUE(AllZero(Region(AbsenceOffset(8), 5 * 64)));
}

TEST(PaySettingsDefaults, HolidayRowsHoldTheirFlagsAndColours) {
  const Image national = Image(84)
                             .Text(0, "M\xDDLL\xDD BAYRAM")
                             .Text(31, "M.B.")
                             .Byte(74, 1)
                             .Colour(76, 0xFF5B5B)
                             .Colour(80, 0xFFFFFF);
  EXPECT_EQ(Region(HolidayOffset(1), 84), national.bytes());
  const Image other = Image(84)
                          .Text(0,
                                "D\xDD\xD0"
                                "ER-2")
                          .Text(31, "DG-2")
                          .Byte(74, 1)
                          .Byte(75, 1)
                          .Colour(76, 0x993399)
                          .Colour(80, 0xFFFFFF);
  EXPECT_EQ(Region(HolidayOffset(5), 84), other.bytes());
  EXPECT_TRUE(AllZero(Region(HolidayOffset(8), 5 * 84)));
}

TEST(PaySettingsDefaults, GuidanceAndClubOptionsHoldOnlyTheFreeDayFlag) {
  EXPECT_EQ(Region(6552, 72), Image(72).Byte(6579 - 6552, 1).bytes());
}

TEST(PaySettingsDefaults, OverwritesWhateverTheRecordHeld) {
  PaySettings settings;
  std::memset(&settings, 0xA5, sizeof(settings));
  FillDefaults(settings);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&settings), sizeof(settings)),
            DefaultRecord());
}

}  // namespace
}  // namespace orvanta
