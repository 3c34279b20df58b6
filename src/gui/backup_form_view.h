#pragma once

// The window of the backup screen "YEDEKLEME VE YEDEKTEN GERİ ALMA": drive and folder chooser,
// the folder's archives, the name field and the backup and restore commands.

#include "app/backup_form.h"
#include "gui/backup_file_grid.h"
#include "gui/modal_screen_dialog.h"

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace orvanta::gui {

class ModelGridWidget;

class BackupFormView : public ModalScreenDialog {
  Q_OBJECT

 public:
  BackupFormView(TBackupForm& model, AppContext& app, QWidget* parent);
  // The grid lets go of its model, which goes before the grid widget does.
  ~BackupFormView() override;

 protected:
  void Activate() override;
  void Refresh() override;

 private:
  // Shows the model's folder in the drive chooser and the tree without reporting it back.
  void ShowFolder();
  void ChooseFolder(const QString& folder);

  TBackupForm& model_;
  BackupFileGrid grid_model_;
  QComboBox* drives_;
  QFileSystemModel* folders_;
  QTreeView* folder_tree_;
  ModelGridWidget* file_grid_;
  QLineEdit* name_field_;
  QAbstractButton* save_button_;
  QAbstractButton* undo_button_;
  QAbstractButton* delete_button_;
  QAbstractButton* pay_button_;
};

}  // namespace orvanta::gui
