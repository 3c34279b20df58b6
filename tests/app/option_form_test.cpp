#include "app/option_form.h"

#include <gtest/gtest.h>

#include "record_bytes.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

// option.prg offsets: bytes 0..2 the counts, header lines at 4, 105 and 206, signature 1 name at
// 307, the teacher assignment mode (orientation element 20) at 4112 + 76.
constexpr size_t kAssignmentModeOffset = 4112 + 76;

class OptionFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.OpenSet();
    form_.FormActivate();
  }

  std::string OptionFile() const { return ReadBytes(h_.data.set_folder / "option.prg"); }

  AppHarness h_;
  TOptionForm form_{h_.app};
};

TEST_F(OptionFormTest, ShowsTheRecords) {
  EXPECT_EQ(form_.Text(TOptionForm::edtBirHaftadakiGunSayisi),
            std::to_string(h_.data.option.days_in_use));
  EXPECT_EQ(form_.Text(TOptionForm::edtOkuladi3), h_.data.option.header_lines[2].Text());
  EXPECT_EQ(form_.Text(TOptionForm::edtKurumKodu), "");
  EXPECT_FALSE(form_.OkBtnEnabled());
}

TEST_F(OptionFormTest, OkStoresTheFieldsSavesAndClosesWithOk) {
  form_.SetText(TOptionForm::edtKurumKodu, "97-53x12");
  form_.SetText(TOptionForm::edtOkuladi1, "izmir ılıca lisesi");
  form_.SetText(TOptionForm::edtUnvan1, "Ayşe Yılmaz");
  form_.SetText(TOptionForm::edtBirHaftadakiGunSayisi, "6");
  form_.SetText(TOptionForm::edtBirGundekiSaatSayisi, "");
  form_.SetText(TOptionForm::edtKisakodKarakterSayisi, "4");
  form_.rgOgretmenlereDersAtamasiClick(1);
  form_.cmpBaglantiChange(2);
  EXPECT_EQ(form_.Text(TOptionForm::edtKurumKodu), "975312");
  EXPECT_EQ(form_.Text(TOptionForm::edtOkuladi1), "İZMİR ILICA LİSESİ");
  ASSERT_TRUE(form_.OkBtnEnabled());
  form_.OkBtnClick();

  EXPECT_TRUE(form_.closed());
  EXPECT_EQ(form_.result(), ScreenResult::kOk);
  const std::string option = OptionFile();
  EXPECT_EQ(option[0], 6);
  EXPECT_EQ(option[1], 0);  // an empty number reads as 0
  EXPECT_EQ(option[2], 4);
  EXPECT_EQ(static_cast<unsigned char>(option[4]), 18u);  // "İZMİR ILICA LİSESİ" in Windows-1254
  EXPECT_EQ(ShortStringAt(option, 307),
            "Ay\xFE"
            "e Y\xFDlmaz");
  EXPECT_EQ(Int32At(option, kAssignmentModeOffset), 1);
  const std::string prog = ReadBytes(h_.data.paths.data_root / "prog.prg");
  EXPECT_EQ(ShortStringAt(prog, 160), "975312");
  const std::string global = ReadBytes(h_.data.paths.maker_folder / "global.prg");
  EXPECT_EQ(Int32At(global, 28), 2);
}

TEST_F(OptionFormTest, FieldsKeepTheirLengthsAndCountsStayInsideTheWeekGrid) {
  form_.SetText(TOptionForm::edtKurumKodu, "12345678901234");
  form_.SetText(TOptionForm::edtOkuladi2, std::string(70, 'a'));
  form_.SetText(TOptionForm::edtBirHaftadakiGunSayisi, "9");
  form_.SetText(TOptionForm::edtBirGundekiSaatSayisi, "40");
  EXPECT_EQ(form_.Text(TOptionForm::edtKurumKodu), "123456789012");
  EXPECT_EQ(form_.Text(TOptionForm::edtOkuladi2), std::string(60, 'A'));
  form_.OkBtnClick();
  EXPECT_EQ(h_.data.option.days_in_use, 7);
  EXPECT_EQ(h_.data.option.hours_in_use, 18);
}

TEST_F(OptionFormTest, OkIsDisabledWithoutAnInstitutionCode) {
  form_.SetText(TOptionForm::edtOkuladi1, "YENİ AD");
  form_.OkBtnClick();
  EXPECT_FALSE(form_.closed());
  EXPECT_NE(h_.data.option.header_lines[0].Text(), "YENİ AD");
}

TEST_F(OptionFormTest, ThePromptFlagIsAppliedAtOnceAndCancelKeepsTheRest) {
  form_.SetText(TOptionForm::edtKurumKodu, "1");
  form_.chSifreSormaClick(true);
  form_.CancelBtnClick();
  EXPECT_EQ(form_.result(), ScreenResult::kCancel);
  EXPECT_TRUE(h_.data.global.no_password_prompt);
  EXPECT_TRUE(h_.data.progs.Find(1)->Kurum_Kodu.Empty());
}

}  // namespace
}  // namespace orvanta::testing
