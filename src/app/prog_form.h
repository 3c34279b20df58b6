#pragma once

// The program-set screen "PROGRAMLAR": the list of program sets, adding, renaming, deleting and
// opening one. The screen works on a view list of the sets' numbers; closing it writes prog.prg.

#include <string>
#include <vector>

#include "app/modal_screen.h"

namespace orvanta {

inline constexpr const char* kDeleteRecordQuestion = "Bu kayıt silinecek !";

class TProgForm : public ModalScreen {
 public:
  static constexpr const char* kFormName = "TProgForm";
  static constexpr const char* kCaption = "PROGRAMLAR";
  static constexpr int kClientWidth = 370;
  static constexpr int kClientHeight = 410;

  enum DesState { desRead = 0, desEdit = 1, desInsert = 2 };

  explicit TProgForm(AppContext& app) : ModalScreen(app, kFormName, kCaption) {}

  // Presets the result to cancel, opens the open set again, rebuilds the view and selects row 1.
  // Throws IoError or DamagedFileError.
  void FormActivate();

  // ProgGrid: column 0 "No" (row number), column 1 "Program Adı"; row 0 holds the titles. A
  // grid of n sets has n + 1 rows, at least 2.
  static constexpr int kColumnCount = 2;
  static constexpr int kColumnWidths[kColumnCount] = {30, 180};
  int RowCount() const;
  std::string Cell(int column, int row) const;
  // Row 1..n; other rows are ignored.
  void SelectRow(int row);
  int selected_row() const { return selected_row_; }
  int ProgNo() const { return prog_no_; }  // 0 when the list is empty

  // The panel with "Program Adı", "Kaydet" and "Vazgeç".
  DesState desState() const { return state_; }
  bool InsertPanelVisible() const { return state_ != desRead; }
  const std::string& edtPrgName() const { return name_; }
  // The field's text as typed; it is kept upper-cased by the Turkish rule.
  void edtPrgNameChange(const std::string& text);

  bool btnEditEnabled() const;
  bool btnSaveEnabled() const { return !name_.empty(); }
  bool btnDelEnabled() const;

  void btnInsertClick();
  void btnEditClick();    // also a double click on the grid
  void btnSaveClick();    // also F4 and Enter in the field; nothing while disabled
  void btnCancelClick();  // also Escape in the field
  // Asks kDeleteRecordQuestion; nothing while disabled. Throws IoError (see DeleteProgramSet).
  void btnDelClick();  // also F7
  // Makes the selected set current, saves all, closes with OK. Throws IoError.
  void btnOpenClick();  // also F5
  void btnCloseClick();

  // Writes prog.prg. Throws IoError.
  void FormClose() override;

 private:
  void RebuildView();
  void HidePanel();

  std::vector<int> view_;  // the No of every set in list order
  int selected_row_ = 0;   // 1-based; 0 when the list is empty
  int prog_no_ = 0;
  DesState state_ = desRead;
  std::string name_;
};

}  // namespace orvanta
