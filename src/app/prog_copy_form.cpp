#include "app/prog_copy_form.h"

#include <algorithm>

#include "app/program_sets.h"

namespace orvanta {
namespace {

std::string SetName(const SchoolData& data, int no) {
  const ProgType* set = data.progs.Find(no);
  return set != nullptr ? set->Name.Text() : std::string();
}

}  // namespace

void TProgCopyForm::FormActivate() {
  PresetResult(ScreenResult::kCancel);
  view_.clear();
  for (const ProgType& set : app_.data.progs) {
    if (set.No != app_.data.open_set_no) view_.push_back(set.No);
  }
  selected_row_ = 0;
  SelectRow(1);
}

int TProgCopyForm::RowCount() const { return std::max(static_cast<int>(view_.size()) + 1, 2); }

std::string TProgCopyForm::Cell(int column, int row) const {
  if (row == 0) return column == 0 ? "No" : "Program Adı";
  if (row < 1 || row > static_cast<int>(view_.size())) return {};
  return column == 0 ? std::to_string(row) : SetName(app_.data, view_[row - 1]);
}

void TProgCopyForm::SelectRow(int row) {
  if (row >= 1 && row <= static_cast<int>(view_.size())) selected_row_ = row;
}

int TProgCopyForm::SourceNo() const { return selected_row_ == 0 ? 0 : view_[selected_row_ - 1]; }

std::string TProgCopyForm::SourceLabel() const {
  return SourceNo() == 0 ? std::string() : SetName(app_.data, SourceNo()) + " deki bilgiler";
}

std::string TProgCopyForm::DestinationLabel() const {
  return SourceNo() == 0 ? std::string()
                         : SetName(app_.data, app_.data.open_set_no) + " ye kopyalanacak";
}

void TProgCopyForm::OkBtnClick() {
  LogClick("Tamam", "OkBtn");
  if (!OkBtnEnabled()) return;
  CopyProgramSetIntoOpenSet(app_, SourceNo());
  Close(ScreenResult::kOk);
}

void TProgCopyForm::CancelBtnClick() {
  LogClick("İptal", "CancelBtn");
  Close(ScreenResult::kCancel);
}

}  // namespace orvanta
