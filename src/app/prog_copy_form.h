#pragma once

// The copy screen "PROGRAM KOPYALA": the data of another program set is copied into the open
// set (see CopyProgramSetIntoOpenSet).

#include <string>
#include <vector>

#include "app/modal_screen.h"

namespace orvanta {

class TProgCopyForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TProgCopyForm";
  static constexpr const char* kCaption = "PROGRAM KOPYALA";

  explicit TProgCopyForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

  // Lists every set but the open one and selects row 1.
  void FormActivate();

  // Column 0 "No" (row number), column 1 "Program Adı"; row 0 holds the titles; at least 2 rows.
  static constexpr int kColumnCount = 2;
  int RowCount() const;
  std::string Cell(int column, int row) const;
  void SelectRow(int row);  // 1..n; other rows are ignored
  int selected_row() const { return selected_row_; }
  int SourceNo() const;  // 0 when nothing is selected

  // "<source name> deki bilgiler" and "<open set name> ye kopyalanacak"; empty while nothing is
  // selected.
  std::string SourceLabel() const;
  std::string DestinationLabel() const;

  bool OkBtnEnabled() const { return SourceNo() != 0; }
  // Copies the selected set into the open set and closes with OK. Throws IoError or
  // DamagedFileError (the screen then stays open).
  void OkBtnClick();
  void CancelBtnClick();

 private:
  std::vector<int> view_;
  int selected_row_ = 0;
};

}  // namespace orvanta
