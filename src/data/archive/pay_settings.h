#pragma once

// The pay settings shared with the sibling pay product: its option.ts2, one record of 6624
// bytes in the product's school-year folder. This system reads and writes the same file.

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

inline constexpr int kPayCategories = 30;

#pragma pack(push, 1)
// One pay category, 136 bytes.
struct PayCategory {
  uint8_t collect_day;  // "Bu güne topla": 0 any, 1 Monday .. 5 Friday
  uint8_t in_use;       // "Kullan"
  uint8_t sheet_row;    // listed in the pay sheet rows
  uint8_t program_column;
  uint8_t wage_column;
  uint8_t composite;    // the sum of other categories
  uint8_t add;          // "Ekle"
  uint8_t calculated;   // "Hesap"
  uint8_t base_weight;  // "Matrah"
  uint8_t bytes9[4];
  Array1<uint8_t, kPayCategories> members;  // byte 12 + m: category m belongs to the sum
  uint8_t bytes43[30];
  ShortString<3> kbs_code;
  ShortString<30> name1;      // "Ad-1"
  ShortString<12> name2;      // "Ad-2"
  ShortString<6> name3;       // "Ad-3"
  int32_t background_colour;  // red in the lowest byte
  int32_t text_colour;
};

struct AbsenceType {
  ShortString<30> name;
  ShortString<12> short_name;
  uint8_t byte44;
  uint8_t letter;
  uint8_t bytes46[6];
  int32_t background_colour;
  int32_t text_colour;
  uint8_t byte60;
  uint8_t bytes61[3];
};

struct HolidayType {
  ShortString<30> name;
  ShortString<12> short_name;
  uint8_t bytes44[30];
  uint8_t byte74;
  uint8_t byte75;
  int32_t background_colour;
  int32_t text_colour;
};

struct PaySettings {
  uint8_t byte0;
  uint8_t bytes1[12];
  ShortString<100> header_lines[3];
  ShortString<30> signature_name;
  ShortString<30> signature_title;
  ShortString<30> texts378[2];
  uint8_t byte440;
  uint8_t lesson_category_for_contract_teachers;  // 441: category 2 of status 2 counts as 1
  uint8_t filler442[2];
  int32_t extra_lesson_distribution;    // 444: 0 spread over the week, 1 gather on the last days
  uint8_t no_preparation_on_free_days;  // 448
  uint8_t filler449[247];
  Array1<PayCategory, kPayCategories> categories;  // 696 = 560 + 136 x 1
  Array1<AbsenceType, 12> absence_types;
  Array1<HolidayType, 12> holiday_types;
  uint8_t guidance_on_lesson_day;  // 6552
  uint8_t filler6553[3];
  int32_t guidance_form;  // 6556: 0 two hours together, 1 one + one
  uint8_t filler6560[4];
  int32_t guidance_day1;                // 6564: 0 Monday .. 4 Friday
  int32_t guidance_day2;                // 6568
  uint8_t guidance_needs_salary_hours;  // 6572
  uint8_t preparation_on_friday;        // 6573
  uint8_t filler6574[4];
  uint8_t export_teacher_settings;  // 6578
  uint8_t no_guidance_on_free_day;  // 6579
  uint8_t filler6580[12];
  int32_t club_form;  // 6592
  uint8_t filler6596[4];
  int32_t club_day1;  // 6600
  int32_t club_day2;  // 6604
  uint8_t filler6608[7];
  uint8_t no_club_on_free_day;  // 6615
  uint8_t filler6616[8];
};
#pragma pack(pop)

static_assert(sizeof(PayCategory) == 136);
static_assert(offsetof(PayCategory, base_weight) == 8);
static_assert(offsetof(PayCategory, bytes9) == 9);
static_assert(offsetof(PayCategory, members) == 13);
static_assert(offsetof(PayCategory, bytes43) == 43);
static_assert(offsetof(PayCategory, kbs_code) == 73);
static_assert(offsetof(PayCategory, name1) == 77);
static_assert(offsetof(PayCategory, name2) == 108);
static_assert(offsetof(PayCategory, name3) == 121);
static_assert(offsetof(PayCategory, background_colour) == 128);
static_assert(offsetof(PayCategory, text_colour) == 132);
static_assert(sizeof(AbsenceType) == 64);
static_assert(offsetof(AbsenceType, short_name) == 31);
static_assert(offsetof(AbsenceType, byte44) == 44);
static_assert(offsetof(AbsenceType, letter) == 45);
static_assert(offsetof(AbsenceType, background_colour) == 52);
static_assert(offsetof(AbsenceType, text_colour) == 56);
static_assert(offsetof(AbsenceType, byte60) == 60);
static_assert(sizeof(HolidayType) == 84);
static_assert(offsetof(HolidayType, short_name) == 31);
static_assert(offsetof(HolidayType, bytes44) == 44);
static_assert(offsetof(HolidayType, byte74) == 74);
static_assert(offsetof(HolidayType, byte75) == 75);
static_assert(offsetof(HolidayType, background_colour) == 76);
static_assert(offsetof(HolidayType, text_colour) == 80);
static_assert(sizeof(PaySettings) == 6624);
static_assert(offsetof(PaySettings, header_lines) == 13);
static_assert(offsetof(PaySettings, header_lines) + 101 == 114);
static_assert(offsetof(PaySettings, header_lines) + 202 == 215);
static_assert(offsetof(PaySettings, signature_name) == 316);
static_assert(offsetof(PaySettings, signature_title) == 347);
static_assert(offsetof(PaySettings, texts378) == 378);
static_assert(offsetof(PaySettings, texts378) + 31 == 409);
static_assert(offsetof(PaySettings, byte440) == 440);
static_assert(offsetof(PaySettings, lesson_category_for_contract_teachers) == 441);
static_assert(offsetof(PaySettings, extra_lesson_distribution) == 444);
static_assert(offsetof(PaySettings, no_preparation_on_free_days) == 448);
static_assert(offsetof(PaySettings, categories) == 560 + 136);
static_assert(offsetof(PaySettings, absence_types) == 4776);
static_assert(offsetof(PaySettings, holiday_types) == 5544);
static_assert(offsetof(PaySettings, guidance_on_lesson_day) == 6552);
static_assert(offsetof(PaySettings, guidance_form) == 6556);
static_assert(offsetof(PaySettings, guidance_day1) == 6564);
static_assert(offsetof(PaySettings, guidance_day2) == 6568);
static_assert(offsetof(PaySettings, guidance_needs_salary_hours) == 6572);
static_assert(offsetof(PaySettings, preparation_on_friday) == 6573);
static_assert(offsetof(PaySettings, export_teacher_settings) == 6578);
static_assert(offsetof(PaySettings, no_guidance_on_free_day) == 6579);
static_assert(offsetof(PaySettings, club_form) == 6592);
static_assert(offsetof(PaySettings, club_day1) == 6600);
static_assert(offsetof(PaySettings, club_day2) == 6604);
static_assert(offsetof(PaySettings, no_club_on_free_day) == 6615);
static_assert(kIsRawRecord<PaySettings>);

// The content of a new option.ts2.
void FillDefaults(PaySettings& settings);

}  // namespace orvanta
