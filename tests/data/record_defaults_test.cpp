// The bytes of new records, checked at the documented offsets.

#include <gtest/gtest.h>

#include "data/cp1254.h"
#include "data/record_defaults.h"
#include "data/record_file.h"
#include "support/byte_fixture.h"

namespace orvanta {
namespace {

using testing::ByteAt;
using testing::Int32At;
using testing::StringAt;

template <typename T>
std::string DefaultBytes() {
  T record;
  FillDefaults(record);
  return RecordBytes(record);
}

TEST(OptionDefaults, GeneralSettings) {
  const std::string b = DefaultBytes<OptionType>();
  EXPECT_EQ(ByteAt(b, 0), 5);
  EXPECT_EQ(ByteAt(b, 1), 8);
  EXPECT_EQ(ByteAt(b, 2), 6);
  EXPECT_EQ(ByteAt(b, 3), 1);
  EXPECT_EQ(StringAt(b, 4), "T.C.");
  EXPECT_EQ(StringAt(b, 105), "VEVIRED IREDAZUROVUV");
  EXPECT_FALSE(StringAt(b, 206).empty());
  EXPECT_FALSE(StringAt(b, 307).empty());
  EXPECT_EQ(StringAt(b, 338), Utf8ToCp1254("Okul Müdürü"));
  EXPECT_EQ(StringAt(b, 369), "");
  EXPECT_EQ(StringAt(b, 400), "");
  const char* days[] = {"Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma", "Cumartesi", "Pazar"};
  const char* short_days[] = {"Pt", "Sa", "Ça", "Pe", "Cu", "Ct", "Pa"};
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(StringAt(b, 431 + 13 * (d - 1)), Utf8ToCp1254(days[d - 1]));
    EXPECT_EQ(StringAt(b, 522 + 3 * (d - 1)), Utf8ToCp1254(short_days[d - 1]));
  }
  for (int h = 1; h <= 18; ++h) EXPECT_EQ(StringAt(b, 543 + 6 * (h - 1)), "");
  EXPECT_EQ(Int32At(b, 652), 16);
  const int placement[] = {1, 2, 2, 0, 0, 7, 0};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(Int32At(b, 656 + 4 * (i - 1)), placement[i - 1]);
  EXPECT_EQ(Int32At(b, 716), 1);  // pay view flag
  for (int offset = 736; offset < 4112; ++offset) ASSERT_EQ(ByteAt(b, offset), 0) << offset;
  EXPECT_EQ(StringAt(b, 5912), "");
  EXPECT_EQ(StringAt(b, 5925), "");
  EXPECT_EQ(StringAt(b, 5938), "");
}

struct PrintDefaults {
  int orientation, font_size, left_margin, double_print, direction;
};

TEST(OptionDefaults, PrintSettingsOfTypesOneToEleven) {
  const std::string b = DefaultBytes<OptionType>();
  const PrintDefaults hand{0, 8, 10, 1, 0};
  const PrintDefaults sheet{1, 5, 2, 0, 1};
  const PrintDefaults other{0, 8, 10, 1, 0};
  const PrintDefaults expected[] = {hand, sheet, hand, sheet, hand, sheet,
                                    other, other, other, other, other};
  for (int t = 1; t <= 11; ++t) {
    SCOPED_TRACE(t);
    const PrintDefaults& e = expected[t - 1];
    const size_t at = 4 * (t - 1);
    EXPECT_EQ(Int32At(b, 4112 + at), e.orientation);
    EXPECT_EQ(Int32At(b, 4192 + at), 100);
    EXPECT_EQ(Int32At(b, 4272 + at), 100);
    EXPECT_EQ(StringAt(b, 4291 + 61 * t), "Arial");
    EXPECT_EQ(Int32At(b, 5572 + at), e.font_size);
    EXPECT_EQ(Int32At(b, 5652 + at), e.left_margin);
    EXPECT_EQ(Int32At(b, 5732 + at), 2);
    EXPECT_EQ(ByteAt(b, 5811 + t), e.double_print);
    EXPECT_EQ(Int32At(b, 5832 + at), e.direction);
  }
}

TEST(OptionDefaults, PrintTypesTwelveToTwentyStayZero) {
  const std::string b = DefaultBytes<OptionType>();
  for (int t = 12; t <= 20; ++t) {
    SCOPED_TRACE(t);
    const size_t at = 4 * (t - 1);
    for (size_t base : {4112u, 4192u, 4272u, 5572u, 5652u, 5732u, 5832u}) {
      EXPECT_EQ(Int32At(b, base + at), 0);
    }
    EXPECT_EQ(ByteAt(b, 4291 + 61 * t), 0);
    if (t <= 16) EXPECT_EQ(ByteAt(b, 5811 + t), 0);
  }
}

TEST(RecordDefaults, ListRecords) {
  const std::string lesson = DefaultBytes<LessonType>();
  EXPECT_EQ(Int32At(lesson, 108), 1);  // Pl
  EXPECT_EQ(ByteAt(lesson, 112), 0);   // Dv
  EXPECT_EQ(ByteAt(lesson, 113), 1);   // Dr
  EXPECT_EQ(Int32At(lesson, 288), 1);  // a3
  for (int k = 0; k < 126; ++k) EXPECT_EQ(ByteAt(lesson, 144 + k), 1);

  const std::string clss = DefaultBytes<ClssType>();
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(ByteAt(clss, 88 + d - 1), d <= 5 ? 1 : 0);
    EXPECT_EQ(ByteAt(clss, 95 + d - 1), d <= 5 ? 7 : 0);
  }
  EXPECT_EQ(ByteAt(clss, 102), 1);
  EXPECT_EQ(ByteAt(clss, 1236 + 125), 1);

  const std::string room = DefaultBytes<RoomType>();
  EXPECT_EQ(ByteAt(room, 99), 1);
  EXPECT_EQ(ByteAt(room, 106), 6);
  EXPECT_EQ(ByteAt(room, 105), 0);  // day 7
  EXPECT_EQ(ByteAt(room, 113), 1);
  EXPECT_EQ(ByteAt(room, 1248), 0);

  const std::string teacher = DefaultBytes<TeacherType>();
  const int px1[] = {15, 10, 0, 0, 0, 1, 0};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(Int32At(teacher, 280 + 4 * (i - 1)), px1[i - 1]);
  const int px2[] = {4, 5, 6, 8};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Int32At(teacher, 308 + 4 * (i - 1)), px2[i - 1]);
  EXPECT_EQ(ByteAt(teacher, 336), 1);   // Mv
  EXPECT_EQ(ByteAt(teacher, 462), 0);   // Lm
  EXPECT_EQ(Int32At(teacher, 2180), 0);
  EXPECT_EQ(Int32At(teacher, 2180 + 12), 1);  // sp_cn[4]
  EXPECT_EQ(Int32At(teacher, 2380), 1);       // lx
  EXPECT_EQ(Int32At(teacher, 2380 + 476), 1);
  EXPECT_EQ(ByteAt(teacher, 6220), 1);        // lk
  EXPECT_EQ(ByteAt(teacher, 7059), 1);

  const std::string common = DefaultBytes<CommonType>();
  EXPECT_EQ(ByteAt(common, 2468), 1);  // Mv
  EXPECT_EQ(ByteAt(common, 2594), 1);  // Lm
  EXPECT_EQ(Int32At(common, 52), 0);

  const std::string global = DefaultBytes<GlobalType>();
  EXPECT_EQ(global, std::string(316, '\0'));
}

}  // namespace
}  // namespace orvanta
