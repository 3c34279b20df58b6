#pragma once

// The school settings screen "AYARLAR": institution code, school name, the two signatures, the
// days, hours and short-code length in use, the teacher assignment mode, the connection program
// and the entry password prompt.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/modal_screen.h"

namespace orvanta {

class TOptionForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TOptionForm";
  static constexpr const char* kCaption = "AYARLAR";

  // The text fields, in the order of the screen.
  enum Field {
    edtKurumKodu,
    edtOkuladi1,
    edtOkuladi2,
    edtOkuladi3,
    edtUnvan1,
    edtUnvan2,
    edtUnvan21,
    edtUnvan22,
    edtBirHaftadakiGunSayisi,
    edtBirGundekiSaatSayisi,
    edtKisakodKarakterSayisi,
    kFieldCount
  };

  struct FieldInfo {
    Field field;
    std::string_view component;
    std::string_view label;  // the caption beside the field; empty for a continuation line
    int max_length;          // characters; 0 = no limit
  };
  static std::span<const FieldInfo> Fields();

  // "Öğretmenlere Ders Atanması"
  static constexpr std::array<const char*, 2> kAssignmentModes = {"Derslere Göre",
                                                                  "Sınıflara Göre"};
  // "Bağlantı Programı"
  static constexpr std::array<const char*, 3> kConnectionPrograms = {"TeamViewer", "Ammyy",
                                                                     "Alpemix"};

  explicit TOptionForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

  // Fills the fields from the records; the focus goes to edtKurumKodu.
  void FormActivate();

  const std::string& Text(Field field) const { return texts_[field]; }
  // The text as typed, kept as the field allows: digits only in the institution code and the
  // numbers, upper-cased school name lines, every field cut to its length.
  void SetText(Field field, const std::string& text);

  int rgOgretmenlereDersAtamasi() const { return assignment_mode_; }  // 0 or 1
  void rgOgretmenlereDersAtamasiClick(int index);
  int cmpBaglanti() const { return connection_program_; }  // index into kConnectionPrograms
  void cmpBaglantiChange(int index);
  bool chSifreSorma() const { return no_password_prompt_; }
  // Applied to the global record at once, whichever way the screen closes.
  void chSifreSormaClick(bool checked);

  bool OkBtnEnabled() const { return !texts_[edtKurumKodu].empty(); }
  // Copies the fields into the records, saves all, writes the option record and closes with OK.
  // Nothing while disabled. Throws IoError.
  void OkBtnClick();
  void CancelBtnClick();

 private:
  std::array<std::string, kFieldCount> texts_;
  int assignment_mode_ = 0;
  int connection_program_ = 0;
  bool no_password_prompt_ = false;
};

}  // namespace orvanta
