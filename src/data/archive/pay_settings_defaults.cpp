#include <cstring>
#include <iterator>
#include <string>

#include "data/archive/pay_settings.h"
#include "data/cp1254.h"
#include "data/record_defaults.h"

// The content the sibling pay product gives a new option.ts2. A file written here must look to
// that product exactly like one it created itself, so the tables below are its rows verbatim,
// including byte values whose meaning only that product knows.

namespace orvanta {
namespace {

// Colours are written as #RRGGBB; the file holds them with red in the lowest byte.
constexpr int32_t Colour(uint32_t rrggbb) {
  const uint32_t red = (rrggbb >> 16) & 0xFF;
  const uint32_t green = (rrggbb >> 8) & 0xFF;
  const uint32_t blue = rrggbb & 0xFF;
  return static_cast<int32_t>(red | (green << 8) | (blue << 16));
}

struct MemberRange {
  int first;  // 0: no range
  int last;
};

struct CategoryRow {
  int first_category;
  int last_category;
  uint8_t bytes0to12[13];
  MemberRange members[2];
  const char* kbs_code;
  const char* name1;
  const char* name2;
  const char* name3;
  uint32_t background;
  uint32_t text;
};

// clang-format off
constexpr CategoryRow kCategoryRows[] = {
  {1, 1, {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1}, {{1, 1}}, "", "Girdiği Ders Saati", "Ders", "Dr.Sa", 0x000000, 0xFFFFFF},
  {2, 2, {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1}, {{2, 2}}, "", "Girdiği Rehberlik Saati", "rh.dr.", "Rh.Sa", 0xFF1A1A, 0x000000},
  {3, 3, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}, {{3, 3}}, "", "Maaş Karşılığı", "Maaş", "Ma.Ka", 0x000000, 0xFFFFFF},
  {4, 4, {0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}, {}, "101", "Ücret Karşılığı Girdiği", "Ücret", "Dr.Üc", 0xFFFFFF, 0xFF0000},
  {5, 5, {0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}, {{5, 5}}, "101", "Rehberlik Ücreti", "Reh.", "Rh.Üc", 0x80FF80, 0x000000},
  {6, 6, {0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 1}, {{6, 6}}, "101", "Sosyal Kulübü", "Sosyal", "So.Ku", 0x80FF80, 0x000000},
  {7, 7, {0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 1}, {{7, 7}}, "101", "Rehber Öğretmenliği", "Reh.Öğ.", "Rh.Öğ", 0x80FF80, 0x000000},
  {8, 8, {0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}, {{8, 8}}, "101", "Hazırlık Planlama", "Haz.Pln", "Ha.Pl", 0xCA00CA, 0xFFFFFF},
  {9, 9, {0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 1}, {{9, 9}}, "101", "Yönetim Görevi", "Yönetim", "Yön.", 0xFF66FF, 0x000000},
  {10, 10, {0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1}, {{4, 9}}, "", "Toplam Ücret", "Top.Üc", "To.Üc", 0x585858, 0xFFFFFF},
  {11, 11, {0, 1, 1, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1}, {{11, 11}}, "108", "Ders Dışı (Egzersiz)", "Egzersiz", "Eg.", 0xCFFF9F, 0x000000},
  {12, 12, {0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {{12, 12}}, "106", "Belletmenlik", "Belletmen", "Bel.", 0xEC7600, 0x000000},
  {13, 13, {0, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {{13, 13}}, "107", "Sınav", "Sınav", "Snv", 0x7800F0, 0xFFFFFF},
  {14, 14, {0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {{14, 14}}, "102", "Gece Ücreti", "Gece", "Gce", 0xA0A0A0, 0x000000},
  {15, 15, {0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {{15, 15}}, "101", "Koordinatörlük", "Koor.", "Koo", 0xFFFF9D, 0x000000},
  {16, 16, {0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {{16, 16}}, "101", "İşletmelerde Beceri Eğitimi", "İş.Be.Eğ.", "İBE", 0xB08AFF, 0x000000},
  {17, 17, {0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {}, "101", "Atölye Şefliği", "Atölye", "Atö.", 0x000080, 0xFFFFFF},
  {18, 18, {0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {}, "101", "Alan Şefliği", "Alan Ş.", "Alan", 0x000080, 0xFFFFFF},
  {19, 19, {0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1}, {}, "101", "Formatörlük", "Formatör", "For", 0xFFFF9D, 0x000000},
  {20, 20, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1}, {}, "101", "X Alan Adı", "X Alan", "X A", 0x000080, 0xFFFFFF},
  {21, 25, {4, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}, {}, "101", "X Hesap Alan", "X Hesap", "X H", 0xFFFFFF, 0xFF0000},
  {26, 28, {23, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1}, {}, "", "X Toplam", "X Top", "X T", 0x585858, 0xFFFFFF},
  {29, 29, {24, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1}, {}, "", "X Toplam", "X Top", "X T", 0x585858, 0xFFFFFF},
  {30, 30, {25, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1}, {{4, 9}, {11, 18}}, "", "Genel Toplam", "Genel", "GnTp", 0x585858, 0xFFFFFF},
};
// clang-format on

struct AbsenceRow {
  const char* name;
  const char* short_name;
  uint8_t byte44;
  const char* letter;  // one character
  uint32_t background;
  uint32_t text;
  uint8_t byte60;
};

constexpr AbsenceRow kAbsenceRows[] = {
    {"Devamsız", "Dvs.", 1, "D", 0x000000, 0xFFFFFF, 0},
    {"Sevk", "Sevk", 1, "S", 0xFFAEFF, 0x000000, 0},
    {"İzin", "İzin", 1, "İ", 0x99FF99, 0x000000, 0},
    {"Görev", "Grv.", 1, "G", 0xFFFF9D, 0x000000, 1},
    {"Rapor", "Rpr.", 1, "R", 0xFF5B5B, 0xFFFFFF, 0},
    {"Heyet Raporu", "H.Ra", 1, "H", 0x993399, 0xFFFFFF, 0},
    {"Refakatçi", "Ref.", 1, "F", 0xFFC2A6, 0x000000, 0},
};

struct HolidayRow {
  const char* name;
  const char* short_name;
  uint8_t byte74;
  uint8_t byte75;
  uint32_t background;
  uint32_t text;
};

constexpr HolidayRow kHolidayRows[] = {
    {"MİLLİ BAYRAM", "M.B.", 1, 0, 0xFF5B5B, 0xFFFFFF},
    {"DİNİ BAYRAM", "D.B.", 1, 1, 0x99FF99, 0x000000},
    {"YILBAŞI TATİLİ", "Y.B.", 1, 1, 0xFFFF9D, 0x000000},
    {"DİĞER-1", "DG-1", 1, 1, 0xFFAEFF, 0x000000},
    {"DİĞER-2", "DG-2", 1, 1, 0x993399, 0xFFFFFF},
    {"DİĞER-3", "DG-3", 1, 1, 0xFFC2A6, 0x000000},
    {"DİĞER-4", "DG-4", 1, 1, 0x000000, 0xFFFFFF},
};

constexpr int kAbsenceRowCount = static_cast<int>(std::size(kAbsenceRows));
constexpr int kHolidayRowCount = static_cast<int>(std::size(kHolidayRows));
static_assert(kAbsenceRowCount <= decltype(PaySettings::absence_types)::kSize);
static_assert(kHolidayRowCount <= decltype(PaySettings::holiday_types)::kSize);

void FillCategory(const CategoryRow& row, PayCategory& category) {
  // Bytes 0..12 are the nine named flags and four bytes only the sibling product reads.
  std::memcpy(&category, row.bytes0to12, sizeof(row.bytes0to12));
  for (const MemberRange& range : row.members) {
    if (range.first == 0) continue;
    for (int m = range.first; m <= range.last; ++m) category.members(m) = 1;
  }
  category.kbs_code.SetText(row.kbs_code);
  category.name1.SetText(row.name1);
  category.name2.SetText(row.name2);
  category.name3.SetText(row.name3);
  category.background_colour = Colour(row.background);
  category.text_colour = Colour(row.text);
}

void FillAbsenceType(const AbsenceRow& row, AbsenceType& type) {
  type.name.SetText(row.name);
  type.short_name.SetText(row.short_name);
  type.byte44 = row.byte44;
  type.letter = static_cast<uint8_t>(Utf8ToCp1254(row.letter).front());
  type.background_colour = Colour(row.background);
  type.text_colour = Colour(row.text);
  type.byte60 = row.byte60;
}

void FillHolidayType(const HolidayRow& row, HolidayType& type) {
  type.name.SetText(row.name);
  type.short_name.SetText(row.short_name);
  type.byte74 = row.byte74;
  type.byte75 = row.byte75;
  type.background_colour = Colour(row.background);
  type.text_colour = Colour(row.text);
}

}  // namespace

void FillDefaults(PaySettings& settings) {
  std::memset(&settings, 0, sizeof(settings));
  settings.header_lines[0].SetText("T.C.");
  settings.header_lines[1].SetText("VEVIRED IREDAZUROVUV");
  settings.header_lines[2].SetText(kDefaultInstitutionName);
  settings.signature_name.SetText(kDefaultPrincipalName);
  settings.signature_title.SetText("Okul Müdürü");
  settings.byte440 = 7;
  settings.lesson_category_for_contract_teachers = 1;
  settings.extra_lesson_distribution = 0;
  settings.no_preparation_on_free_days = 1;
  for (const CategoryRow& row : kCategoryRows) {
    for (int c = row.first_category; c <= row.last_category; ++c) {
      FillCategory(row, settings.categories(c));
    }
  }
  for (int k = 1; k <= kAbsenceRowCount; ++k) {
    FillAbsenceType(kAbsenceRows[k - 1], settings.absence_types(k));
  }
  for (int k = 1; k <= kHolidayRowCount; ++k) {
    FillHolidayType(kHolidayRows[k - 1], settings.holiday_types(k));
  }
  settings.no_guidance_on_free_day = 1;
}

}  // namespace orvanta
