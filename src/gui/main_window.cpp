#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <map>
#include <string_view>

#include "gui/click_logging.h"
#include "gui/main_window_pictures.h"
#include "gui/menu_tile.h"

namespace orvanta::gui {

namespace {

constexpr int kTileColumns = 5;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The picture tiles carry the school's definitions and timetables; the other commands (program
// sets, settings, backups, exit) form the row above them.
bool IsPictureTile(const TMainForm::Command& command) {
  return command.component.starts_with("img");
}

bool IsPopupCommand(const TMainForm::Command& command) {
  return command.handler == &TMainForm::PROGRAMISONLANDIR1Click;
}

}  // namespace

MainWindow::MainWindow(TMainForm& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(TMainForm::kFormName);
  setWindowTitle("Orvanta");
  setWindowIcon(QIcon(":/pictures/orvanta.svg"));
  resize(TMainForm::kClientWidth, TMainForm::kClientHeight);
  setMinimumSize(760, 560);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(BuildHeader());
  layout->addWidget(BuildTiles(), 1);
  layout->addWidget(BuildFooter());
}

QWidget* MainWindow::BuildHeader() {
  auto* header = new QWidget(this);
  header->setObjectName("pnlHeader");
  header->setAutoFillBackground(true);
  QPalette colours = header->palette();
  colours.setColor(QPalette::Window, QColor(0x1f, 0x3b, 0x63));
  colours.setColor(QPalette::WindowText, Qt::white);
  header->setPalette(colours);
  program_name_ = new QLabel(header);
  program_name_->setObjectName("stProgramName");
  program_name_->setAlignment(Qt::AlignCenter);
  QFont font = program_name_->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  program_name_->setFont(font);
  auto* layout = new QHBoxLayout(header);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->addWidget(program_name_);
  return header;
}

QWidget* MainWindow::BuildTiles() {
  auto* area = new QWidget(this);
  auto* commands = new QHBoxLayout;
  auto* pictures = new QGridLayout;
  int picture_count = 0;
  for (const TMainForm::Command& command : TMainForm::Commands()) {
    if (IsPopupCommand(command)) {
      popup_command_ = &command;
    } else if (IsPictureTile(command)) {
      pictures->addWidget(Tile(command), picture_count / kTileColumns,
                          picture_count % kTileColumns);
      ++picture_count;
    } else {
      commands->addWidget(Tile(command));
    }
  }
  auto* separator = new QFrame(area);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(10, 8, 10, 4);
  layout->addLayout(commands);
  layout->addWidget(separator);
  layout->addLayout(pictures, 1);
  return area;
}

QWidget* MainWindow::BuildFooter() {
  auto* footer = new QWidget(this);
  version_ = new QLabel(ToQString(model_.st_version()), footer);
  version_->setObjectName("st_version");
  version_->installEventFilter(this);
  auto* layout = new QHBoxLayout(footer);
  layout->setContentsMargins(12, 2, 12, 6);
  layout->addStretch();
  layout->addWidget(version_);
  return footer;
}

MenuTile* MainWindow::Tile(const TMainForm::Command& command) {
  auto* tile = new MenuTile(PictureOf(command.component), ToQString(command.caption),
                            ToQString(command.second_line), this);
  tile->setObjectName(ToQString(command.component));
  MarkClickLoggedByModel(tile);
  connect(tile, &MenuTile::clicked, this, [this, &command] { Run(command); });
  if (command.handler == &TMainForm::TransBtnClick) trans_tile_ = tile;
  return tile;
}

void MainWindow::Run(const TMainForm::Command& command) {
  model_.Click(command);
  AfterCommand();
}

void MainWindow::ShowModelState() {
  program_name_->setText(ToQString(model_.stProgramName()));
  if (trans_tile_ != nullptr) trans_tile_->setEnabled(model_.TransBtnEnabled());
}

void MainWindow::AfterCommand() {
  ShowModelState();
  switch (model_.end_request()) {
    case TMainForm::EndRequest::kNone:
      break;
    case TMainForm::EndRequest::kClose:
      close();
      break;
    case TMainForm::EndRequest::kTerminate:
      terminating_ = true;
      close();
      QApplication::exit(0);
      break;
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (activated_) return;
  activated_ = true;
  // After the window is on the screen, so the entry password dialog opens over it.
  QTimer::singleShot(0, this, [this] {
    model_.FormActivate();
    AfterCommand();
    StartTimers();
  });
}

void MainWindow::StartTimers() {
  backup_cleaner_timer_.setInterval(1000);
  connect(&backup_cleaner_timer_, &QTimer::timeout, this, [this] {
    // The cleaner waits for its worker while processing events; the timer must not tick into it.
    backup_cleaner_timer_.stop();
    model_.tmrOldBackupCleanerTimer();
    if (!closed_) backup_cleaner_timer_.start();
  });
  backup_cleaner_timer_.start();
  download_timer_.setSingleShot(true);
  download_timer_.setInterval(1000);
  connect(&download_timer_, &QTimer::timeout, this, [this] { model_.tmrDownloadTimer(); });
  download_timer_.start();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    backup_cleaner_timer_.stop();
    download_timer_.stop();
    if (!terminating_) model_.FormClose();
  }
  event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_command_ == nullptr) return;
  QMenu menu(this);
  menu.setObjectName("PopupMenu1");
  QAction* action = menu.addAction(ToQString(popup_command_->caption));
  action->setObjectName(ToQString(popup_command_->component));
  if (menu.exec(event->globalPos()) == action) Run(*popup_command_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == version_ && event->type() == QEvent::MouseButtonDblClick) {
    model_.st_versionDblClick();
    AfterCommand();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvanta::gui
