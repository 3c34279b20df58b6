#pragma once

// The window of the main screen: the program-set name, the menu tiles of the model's command
// table, the version label and the pop-up command. Each tile runs its command through the
// model; afterwards the window shows the model's state again and closes or ends the program
// when the model asks for it.

#include <QTimer>
#include <QWidget>
#include <vector>

#include "app/main_form.h"

class QLabel;

namespace orvanta::gui {

class MenuTile;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // model must outlive the window. The first showing runs the model's activation.
  explicit MainWindow(TMainForm& model, QWidget* parent = nullptr);

  // Shows the program-set name and the commands' state as the model has them now.
  void ShowModelState();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildHeader();
  QWidget* BuildTiles();
  QWidget* BuildFooter();
  MenuTile* Tile(const TMainForm::Command& command);
  void Run(const TMainForm::Command& command);
  // Shows the model's state and carries out its end request.
  void AfterCommand();

  void StartTimers();

  TMainForm& model_;
  QLabel* program_name_ = nullptr;
  QLabel* version_ = nullptr;
  MenuTile* trans_tile_ = nullptr;
  const TMainForm::Command* popup_command_ = nullptr;
  QTimer backup_cleaner_timer_;
  QTimer download_timer_;
  bool activated_ = false;
  bool terminating_ = false;
  bool closed_ = false;
};

}  // namespace orvanta::gui
