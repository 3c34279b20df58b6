#include "gui/backup_form_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/field_text.h"
#include "gui/model_grid_widget.h"
#include "gui/path_text.h"

namespace orvanta::gui {

BackupFormView::BackupFormView(TBackupForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent),
      model_(model),
      grid_model_(model, [this] { Refresh(); }) {
  SetClientSize(TBackupForm::kClientWidth, TBackupForm::kClientHeight);

  drives_ = new QComboBox(this);
  drives_->setObjectName("DriveComboBox1");
  for (const QFileInfo& drive : QDir::drives()) drives_->addItem(drive.absoluteFilePath());
  connect(drives_, &QComboBox::activated, this,
          [this](int index) { ChooseFolder(drives_->itemText(index)); });

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QString());
  folder_tree_ = new QTreeView(this);
  folder_tree_->setObjectName("DirectoryListBox1");
  folder_tree_->setModel(folders_);
  folder_tree_->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column) {
    folder_tree_->hideColumn(column);
  }
  connect(folder_tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ChooseFolder(folders_->filePath(current)); });

  file_grid_ = new ModelGridWidget(this);
  file_grid_->setObjectName("lvFile");
  file_grid_->SetModel(&grid_model_);

  name_field_ = new QLineEdit(this);
  name_field_->setObjectName("Edit1");
  name_field_->setMaxLength(TBackupForm::kNameLength);
  connect(name_field_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.Edit1Change(text.toStdString()); });
  });

  save_button_ = CommandButton("Kaydet", "btnSave", [this] { model_.btnSaveClick(); });
  undo_button_ = CommandButton("Geri Al", "btnUndo", [this] { model_.btnUndoClick(); });
  delete_button_ = CommandButton("Sil", "btnDel", [this] { model_.btnDelClick(); });
  auto* backup_desktop = CommandButton("Masaüstüne Yedek Al", "btnBackupDesktop",
                                       [this] { model_.btnBackupDesktopClick(); });
  auto* undo_desktop = CommandButton("Masaüstünden Geri Al", "btnUndoDesktop",
                                     [this] { model_.btnUndoDesktopClick(); });
  pay_button_ = CommandButton("Program Al'a Gönder", "PlBtn", [this] { model_.PlBtnClick(); });
  auto* help_button = CommandButton("Yardım", "HelpBtn", [this] { model_.HelpBtnClick(); });
  auto* close_button = CommandButton("Kapat", "btnClose", [this] { model_.btnCloseClick(); });

  auto* chooser = new QVBoxLayout;
  chooser->addWidget(drives_);
  chooser->addWidget(folder_tree_, 1);
  auto* lists = new QHBoxLayout;
  lists->addLayout(chooser, 2);
  lists->addWidget(file_grid_, 3);

  auto* name_row = new QHBoxLayout;
  name_row->addWidget(name_field_, 1);
  name_row->addWidget(save_button_);

  auto* buttons = new QGridLayout;
  buttons->addWidget(undo_button_, 0, 0);
  buttons->addWidget(delete_button_, 0, 1);
  buttons->addWidget(pay_button_, 0, 2);
  buttons->addWidget(backup_desktop, 1, 0);
  buttons->addWidget(undo_desktop, 1, 1);
  buttons->addWidget(help_button, 1, 2);
  buttons->addWidget(close_button, 1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(new QLabel(kBackupNameHint, this));
  layout->addLayout(name_row);
  layout->addLayout(buttons);
}

BackupFormView::~BackupFormView() { file_grid_->SetModel(nullptr); }

void BackupFormView::Activate() {
  model_.FormActivate();
  ShowFolder();
}

void BackupFormView::ChooseFolder(const QString& folder) {
  if (folder.isEmpty()) return;
  RunCommand([this, &folder] { model_.DirectoryListBox1Change(PathFromQString(folder)); });
  ShowFolder();
}

void BackupFormView::ShowFolder() {
  const QString folder = QDir::cleanPath(QStringFromPath(model_.folder()));
  const QSignalBlocker block_tree(folder_tree_->selectionModel());
  const QModelIndex index = folders_->index(folder);
  folder_tree_->setCurrentIndex(index);
  folder_tree_->scrollTo(index);
  const QSignalBlocker block_drives(drives_);
  for (int item = 0; item < drives_->count(); ++item) {
    if (folder.startsWith(QDir::cleanPath(drives_->itemText(item)), Qt::CaseInsensitive)) {
      drives_->setCurrentIndex(item);
    }
  }
}

void BackupFormView::Refresh() {
  ShowFieldText(name_field_, model_.Edit1());
  save_button_->setEnabled(model_.btnSaveEnabled());
  undo_button_->setEnabled(model_.btnUndoEnabled());
  delete_button_->setEnabled(model_.btnDelEnabled());
  pay_button_->setEnabled(model_.PlBtnEnabled());
  file_grid_->Refresh();
  file_grid_->ScrollTo(grid_model_.FocusCell());
}

}  // namespace orvanta::gui
