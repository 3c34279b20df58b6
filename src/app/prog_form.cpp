#include "app/prog_form.h"

#include <algorithm>

#include "app/program_sets.h"
#include "app/typed_text.h"
#include "data/list_operations.h"
#include "data/program_set_io.h"

namespace orvanta {

void TProgForm::FormActivate() {
  PresetResult(ScreenResult::kCancel);
  HidePanel();
  app_.OpenProgramSet();
  RebuildView();
  SelectRow(1);
}

void TProgForm::RebuildView() {
  view_.clear();
  for (const ProgType& set : app_.data.progs) view_.push_back(set.No);
}

int TProgForm::RowCount() const { return std::max(static_cast<int>(view_.size()) + 1, 2); }

std::string TProgForm::Cell(int column, int row) const {
  if (row == 0) return column == 0 ? "No" : "Program Adı";
  if (row < 1 || row > static_cast<int>(view_.size())) return {};
  if (column == 0) return std::to_string(row);
  const ProgType* set = app_.data.progs.Find(view_[row - 1]);
  return set != nullptr ? set->Name.Text() : std::string();
}

void TProgForm::SelectRow(int row) {
  if (row < 1 || row > static_cast<int>(view_.size())) return;
  selected_row_ = row;
  prog_no_ = view_[row - 1];
}

void TProgForm::edtPrgNameChange(const std::string& text) {
  name_ = UpperCasedField(text, ShortString<100>::kCapacity);
}

bool TProgForm::btnEditEnabled() const { return prog_no_ != 0; }

bool TProgForm::btnDelEnabled() const {
  return prog_no_ != 0 && prog_no_ != 1 && prog_no_ != app_.data.open_set_no && view_.size() >= 2;
}

void TProgForm::btnInsertClick() {
  LogClick("Ekle", "btnInsert");
  name_.clear();
  state_ = desInsert;
}

void TProgForm::btnEditClick() {
  LogClick("Düzelt", "btnEdit");
  if (!btnEditEnabled()) return;
  name_ = app_.data.progs.Find(prog_no_)->Name.Text();
  state_ = desEdit;
}

void TProgForm::btnSaveClick() {
  LogClick("Kaydet", "btnSave");
  if (state_ == desRead || !btnSaveEnabled()) return;
  if (state_ == desEdit) {
    app_.data.progs.Find(prog_no_)->Name.SetText(name_);
  } else {
    ProgType set = SetDefaults(app_.data.progs);
    set.Name.SetText(name_);
    Insert(app_.data, set);
    RebuildView();
  }
  HidePanel();
}

void TProgForm::btnCancelClick() {
  LogClick("Vazgeç", "btnCancel");
  HidePanel();
}

void TProgForm::HidePanel() {
  state_ = desRead;
  name_.clear();
}

void TProgForm::btnDelClick() {
  LogClick("Sil", "btnDel");
  if (!btnDelEnabled() || !app_.ui.Confirm(kDeleteRecordQuestion)) return;
  const int row = selected_row_;
  DeleteProgramSet(app_.data, prog_no_);
  RebuildView();
  const int rows = static_cast<int>(view_.size());
  SelectRow(rows == 1 ? 1 : std::min(row, rows));
}

void TProgForm::btnOpenClick() {
  LogClick("Programı Aç", "btnOpen");
  if (prog_no_ == 0) return;
  for (ProgType& set : app_.data.progs) set.Current = set.No == prog_no_ ? 1 : 0;
  // The old set's folder is still the open one, so its files receive its own data.
  app_.SaveAll();
  Close(ScreenResult::kOk);
}

void TProgForm::btnCloseClick() {
  LogClick("Kapat", "btnClose");
  Close(result());
}

void TProgForm::FormClose() {
  ModalScreen::FormClose();
  SaveProgList(app_.data);
}

}  // namespace orvanta
