#include "app/option_form.h"

#include <algorithm>

#include "app/typed_text.h"
#include "data/program_set_io.h"

namespace orvanta {
namespace {

constexpr TOptionForm::FieldInfo kFields[] = {
    {TOptionForm::edtKurumKodu, "edtKurumKodu", "Kurum Kodu", 12},
    {TOptionForm::edtOkuladi1, "edtOkuladi1", "Okul Adı", 60},
    {TOptionForm::edtOkuladi2, "edtOkuladi2", "", 60},
    {TOptionForm::edtOkuladi3, "edtOkuladi3", "", 60},
    {TOptionForm::edtUnvan1, "edtUnvan1", "Ünvan (1)", 30},
    {TOptionForm::edtUnvan2, "edtUnvan2", "", 30},
    {TOptionForm::edtUnvan21, "edtUnvan21", "Ünvan (2)", 30},
    {TOptionForm::edtUnvan22, "edtUnvan22", "", 30},
    {TOptionForm::edtBirHaftadakiGunSayisi, "edtBirHaftadakiGunSayisi", "Bir Haftadaki Gün Sayısı",
     1},
    {TOptionForm::edtBirGundekiSaatSayisi, "edtBirGundekiSaatSayisi", "Bir Gündeki Saat Sayısı", 2},
    {TOptionForm::edtKisakodKarakterSayisi, "edtKisakodKarakterSayisi", "Kısa Kod Karakter Sayısı",
     2},
};
static_assert(std::size(kFields) == TOptionForm::kFieldCount);

bool IsNumber(TOptionForm::Field field) { return field >= TOptionForm::edtBirHaftadakiGunSayisi; }

bool IsSchoolName(TOptionForm::Field field) {
  return field >= TOptionForm::edtOkuladi1 && field <= TOptionForm::edtOkuladi3;
}

// Empty reads as 0. The grid has 7 days and 18 hours; a larger count would send the timetable
// screens past it.
uint8_t NumberOf(const std::string& digits, int largest) {
  int value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), largest);
  return static_cast<uint8_t>(value);
}

}  // namespace

std::span<const TOptionForm::FieldInfo> TOptionForm::Fields() { return kFields; }

void TOptionForm::FormActivate() {
  PresetResult(ScreenResult::kCancel);
  const SchoolData& data = app_.data;
  const OptionType& option = data.option;
  const ProgType* first_set = data.progs.Find(1);
  texts_[edtKurumKodu] = first_set != nullptr ? first_set->Kurum_Kodu.Text() : std::string();
  texts_[edtOkuladi1] = option.header_lines[0].Text();
  texts_[edtOkuladi2] = option.header_lines[1].Text();
  texts_[edtOkuladi3] = option.header_lines[2].Text();
  texts_[edtUnvan1] = option.signature1_name.Text();
  texts_[edtUnvan2] = option.signature1_title.Text();
  texts_[edtUnvan21] = option.signature2_name.Text();
  texts_[edtUnvan22] = option.signature2_title.Text();
  texts_[edtBirHaftadakiGunSayisi] = std::to_string(option.days_in_use);
  texts_[edtBirGundekiSaatSayisi] = std::to_string(option.hours_in_use);
  texts_[edtKisakodKarakterSayisi] = std::to_string(option.short_code_length);
  assignment_mode_ = data.option.print_orientation(kSpareSlot) == 1 ? 1 : 0;
  connection_program_ = std::clamp<int>(data.global.connection_program, 0,
                                        static_cast<int>(kConnectionPrograms.size()) - 1);
  no_password_prompt_ = data.global.no_password_prompt;
}

void TOptionForm::SetText(Field field, const std::string& text) {
  const size_t length = kFields[field].max_length;
  if (field == edtKurumKodu || IsNumber(field)) {
    texts_[field] = FirstCharacters(DigitsOnly(text), length);
  } else if (IsSchoolName(field)) {
    texts_[field] = UpperCasedField(text, length);
  } else {
    texts_[field] = FirstCharacters(text, length);
  }
}

void TOptionForm::rgOgretmenlereDersAtamasiClick(int index) {
  if (index == 0 || index == 1) assignment_mode_ = index;
}

void TOptionForm::cmpBaglantiChange(int index) {
  if (index >= 0 && index < static_cast<int>(kConnectionPrograms.size())) {
    connection_program_ = index;
  }
}

void TOptionForm::chSifreSormaClick(bool checked) {
  no_password_prompt_ = checked;
  app_.data.global.no_password_prompt = checked;
}

void TOptionForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  if (!OkBtnEnabled()) return;
  SchoolData& data = app_.data;
  OptionType& option = data.option;
  if (ProgType* first_set = data.progs.Find(1)) first_set->Kurum_Kodu.SetText(texts_[edtKurumKodu]);
  option.header_lines[0].SetText(texts_[edtOkuladi1]);
  option.header_lines[1].SetText(texts_[edtOkuladi2]);
  option.header_lines[2].SetText(texts_[edtOkuladi3]);
  option.signature1_name.SetText(texts_[edtUnvan1]);
  option.signature1_title.SetText(texts_[edtUnvan2]);
  option.signature2_name.SetText(texts_[edtUnvan21]);
  option.signature2_title.SetText(texts_[edtUnvan22]);
  option.days_in_use = NumberOf(texts_[edtBirHaftadakiGunSayisi], kDays);
  option.hours_in_use = NumberOf(texts_[edtBirGundekiSaatSayisi], kHours);
  option.short_code_length = NumberOf(texts_[edtKisakodKarakterSayisi], 255);
  option.teacher_assignment_mode() = assignment_mode_;
  data.global.connection_program = connection_program_;
  app_.SaveAll();
  WriteOptionRecord(data);
  Close(ScreenResult::kOk);
}

void TOptionForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
