#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

inline constexpr int kPrintTypes = 20;
// Print type 19 is no document; its slots carry the workbook-export settings.
inline constexpr int kWorkbookExportSlot = 19;
// Print type 20 is no document either: its font slot holds the last backup name (also the last
// pay snapshot name) and its orientation slot the teacher assignment mode.
inline constexpr int kSpareSlot = 20;

#pragma pack(push, 1)
// The settings of one program set. option.prg, exactly one record.
struct OptionType {
  uint8_t days_in_use;        // "Bir Haftadaki Gün Sayısı"
  uint8_t hours_in_use;       // "Bir Gündeki Saat Sayısı"
  uint8_t short_code_length;  // "Kısa Kod Karakter Sayısı"
  Boolean option_flag;
  ShortString<100> header_lines[3];  // the third is the school's name
  ShortString<30> signature1_name;
  ShortString<30> signature1_title;
  ShortString<30> signature2_name;
  ShortString<30> signature2_title;
  Array1<ShortString<12>, kDays> day_names;
  Array1<ShortString<2>, kDays> short_day_names;
  Array1<ShortString<5>, kHours> hour_start_texts;
  uint8_t filler651[1];
  int32_t attempts_bound;
  // Automatic placement settings. Element 16 (offset 716) is the pay-view flag, which no
  // placement rule reads.
  sg_type placement_settings;
  double number1;
  double number2;
  dt_type calendar;
  sg_type print_orientation;  // element 20: teacher assignment mode
  sg_type horizontal_scale;
  sg_type vertical_scale;
  Array1<ShortString<60>, kPrintTypes> print_fonts;  // element 20: the last backup name
  sg_type font_size;
  sg_type left_margin;
  sg_type top_margin;
  Array1<Boolean, 16> double_print;
  Array1<Boolean, 4> flags;
  sg_type days_direction;  // 0 days vertical, 1 days horizontal
  ShortString<12> document_date;
  ShortString<12> application_date;
  ShortString<30> document_number;
  uint8_t filler5969[7];

  static constexpr int kPayViewSetting = 16;

  int32_t& pay_view_flag() { return placement_settings(kPayViewSetting); }
  ShortString<60>& last_backup_name() { return print_fonts(kSpareSlot); }
  int32_t& teacher_assignment_mode() { return print_orientation(kSpareSlot); }
};
#pragma pack(pop)

static_assert(sizeof(OptionType) == 5976);
static_assert(offsetof(OptionType, hours_in_use) == 1);
static_assert(offsetof(OptionType, short_code_length) == 2);
static_assert(offsetof(OptionType, option_flag) == 3);
static_assert(offsetof(OptionType, header_lines) == 4);
static_assert(offsetof(OptionType, header_lines) + sizeof(ShortString<100>) == 105);
static_assert(offsetof(OptionType, header_lines) + 2 * sizeof(ShortString<100>) == 206);
static_assert(offsetof(OptionType, signature1_name) == 307);
static_assert(offsetof(OptionType, signature1_title) == 338);
static_assert(offsetof(OptionType, signature2_name) == 369);
static_assert(offsetof(OptionType, signature2_title) == 400);
static_assert(offsetof(OptionType, day_names) == 431);
static_assert(sizeof(ShortString<12>) == 13);
static_assert(offsetof(OptionType, short_day_names) == 522);
static_assert(sizeof(ShortString<2>) == 3);
static_assert(offsetof(OptionType, hour_start_texts) == 543);
static_assert(sizeof(ShortString<5>) == 6);
static_assert(offsetof(OptionType, attempts_bound) == 652);
static_assert(offsetof(OptionType, placement_settings) == 656);
static_assert(offsetof(OptionType, placement_settings) + 4 * (OptionType::kPayViewSetting - 1) ==
              716);
static_assert(offsetof(OptionType, number1) == 736);
static_assert(offsetof(OptionType, number2) == 744);
static_assert(offsetof(OptionType, calendar) == 752);
static_assert(offsetof(OptionType, print_orientation) == 4112);
static_assert(offsetof(OptionType, horizontal_scale) == 4192);
static_assert(offsetof(OptionType, vertical_scale) == 4272);
static_assert(offsetof(OptionType, print_fonts) == 4352);
static_assert(sizeof(ShortString<60>) == 61);
static_assert(offsetof(OptionType, print_fonts) + 61 * (kSpareSlot - 1) == 5511);
static_assert(offsetof(OptionType, font_size) == 5572);
static_assert(offsetof(OptionType, left_margin) == 5652);
static_assert(offsetof(OptionType, top_margin) == 5732);
static_assert(offsetof(OptionType, double_print) == 5812);
static_assert(offsetof(OptionType, flags) == 5828);
static_assert(offsetof(OptionType, days_direction) == 5832);
static_assert(offsetof(OptionType, document_date) == 5912);
static_assert(offsetof(OptionType, application_date) == 5925);
static_assert(offsetof(OptionType, document_number) == 5938);
static_assert(offsetof(OptionType, filler5969) == 5969);
static_assert(kIsRawRecord<OptionType>);

}  // namespace orvanta
