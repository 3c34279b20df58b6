#include "data/record_defaults.h"

#include <cstring>

namespace orvanta {
namespace {

template <typename T>
void Zero(T& record) {
  std::memset(&record, 0, sizeof(T));
}

constexpr const char* kDayNames[kDays] = {"Pazartesi", "Salı",      "Çarşamba", "Perşembe",
                                          "Cuma",      "Cumartesi", "Pazar"};
constexpr const char* kShortDayNames[kDays] = {"Pt", "Sa", "Ça", "Pe", "Cu", "Ct", "Pa"};
constexpr int kPlacementSettingDefaults[] = {1, 2, 2, 0, 0, 7, 0};
constexpr int kLastDocumentPrintType = 11;

}  // namespace

void FillDefaults(ProgType& record) { Zero(record); }

void FillDefaults(LessonType& record) {
  Zero(record);
  record.Pl = 1;
  record.Dr = true;
  record.a3 = 1;
  record.Pb.Fill(Boolean{1});
}

void FillDefaults(ClssType& record) {
  Zero(record);
  for (int d = 1; d <= 5; ++d) {
    record.LC1(d) = 1;
    record.LC2(d) = 7;
  }
  record.Mv.Fill(Boolean{1});
  record.Lm.Fill(Boolean{1});
}

void FillDefaults(RoomType& record) {
  Zero(record);
  for (int d = 1; d <= 5; ++d) {
    record.LC1(d) = 1;
    record.LC2(d) = 6;
  }
  record.Mv.Fill(Boolean{1});
}

void FillDefaults(TeacherType& record) {
  Zero(record);
  const int px1[] = {15, 10, 0, 0, 0, 1};
  for (int i = 1; i <= 6; ++i) record.PX1(i) = px1[i - 1];
  const int px2[] = {4, 5, 6, 8};
  for (int i = 1; i <= 4; ++i) record.PX2(i) = px2[i - 1];
  record.Mv.Fill(Boolean{1});
  record.sp_cn(4) = 1;
  record.lx.Fill(1);
  record.lk.Fill(Boolean{1});
}

void FillDefaults(CommonType& record) {
  Zero(record);
  record.Mv.Fill(Boolean{1});
  record.Lm.Fill(Boolean{1});
}

void FillDefaults(DutyType& record) { Zero(record); }

void ApplyPrintDefaults(OptionType& option) {
  for (int t = 1; t <= kLastDocumentPrintType; ++t) {
    const bool list_sheet = t == 2 || t == 4 || t == 6;
    option.print_orientation(t) = list_sheet ? 1 : 0;
    option.horizontal_scale(t) = 100;
    option.vertical_scale(t) = 100;
    option.print_fonts(t).SetText("Arial");
    option.font_size(t) = list_sheet ? 5 : 8;
    option.left_margin(t) = list_sheet ? 2 : 10;
    option.top_margin(t) = 2;
    option.double_print(t) = !list_sheet;
    option.days_direction(t) = list_sheet ? 1 : 0;
  }
  option.document_date.Clear();
  option.application_date.Clear();
  option.document_number.Clear();
}

void FillDefaults(OptionType& record) {
  Zero(record);
  record.days_in_use = 5;
  record.hours_in_use = 8;
  record.short_code_length = 6;
  record.option_flag = true;
  record.header_lines[0].SetText("T.C.");
  record.header_lines[1].SetText("VEVIRED IREDAZUROVUV");
  record.header_lines[2].SetText(kDefaultInstitutionName);
  record.signature1_name.SetText(kDefaultPrincipalName);
  record.signature1_title.SetText("Okul Müdürü");
  for (int d = 1; d <= kDays; ++d) {
    record.day_names(d).SetText(kDayNames[d - 1]);
    record.short_day_names(d).SetText(kShortDayNames[d - 1]);
  }
  record.attempts_bound = 16;
  for (int i = 1; i <= 7; ++i) record.placement_settings(i) = kPlacementSettingDefaults[i - 1];
  record.pay_view_flag() = 1;
  ApplyPrintDefaults(record);
}

void FillDefaults(GlobalType& record) { Zero(record); }

}  // namespace orvanta
