// The backup window opened from the main window's "Yedekleme" tile: a backup by name lands in
// the list and on disk, restoring it is confirmed by a message, and the main window activates
// afterwards and shows the backup's name.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <string>
#include <vector>

#include "app/backup_form.h"
#include "gui/desktop_program.h"
#include "gui/menu_tile.h"
#include "gui/modal_runner.h"
#include "gui/model_grid_widget.h"
#include "gui_test_registry.h"

namespace {

class SilentLog : public orvanta::EventLog {
 public:
  void Write(std::string_view, std::string_view, std::string_view) override {}
};

template <typename Widget>
Widget* Find(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(name);
  if (widget == nullptr) qFatal("no control %s on %s", name, qPrintable(window.objectName()));
  return widget;
}

void Click(QWidget& window, const char* button) {
  QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace

class BackupScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void BacksUpByNameRestoresAndTheMainWindowShowsTheBackup() {
    QTemporaryDir root;
    orvanta::FixedClock clock{orvanta::LocalDateTime{2024, 10, 7, 9, 0, 0, 0}};
    SilentLog log;
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::filesystem::path archive;
    int rows_after_save = 0;

    orvanta::gui::SetModalHook([&](QDialog& dialog) {
      const std::string form = dialog.objectName().toStdString();
      shown.push_back(form);
      if (form == "TEnPassForm") return Click(dialog, "OkBtn");
      if (form == "TWarningForm") {
        messages.push_back(dialog.findChild<QPlainTextEdit*>()->toPlainText().toStdString());
        return Click(dialog, "OkBtn");
      }
      if (form != orvanta::TBackupForm::kFormName) return dialog.reject();
      auto* name = Find<QLineEdit>(dialog, "Edit1");
      QVERIFY(!Find<QPushButton>(dialog, "btnSave")->isEnabled());
      QTest::keyClicks(name, "ekim/1");  // "/" is ignored
      QCOMPARE(name->text(), QString("ekim1"));
      Click(dialog, "btnSave");
      QCOMPARE(name->text(), QString());
      auto* grid = Find<orvanta::gui::ModelGridWidget>(dialog, "lvFile");
      rows_after_save = grid->model()->RowCount();
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect({1, 1}).center());
      QVERIFY(Find<QPushButton>(dialog, "btnUndo")->isEnabled());
      Click(dialog, "btnUndo");
      Click(dialog, "btnClose");
    });
    orvanta::gui::DesktopProgram program(root.path().toStdString(), clock, log);
    program.main_window().show();
    QVERIFY(QTest::qWaitFor([&] { return !shown.empty(); }));
    archive = program.data().set_folder / "ekim1.zip";

    QTest::mouseClick(Find<orvanta::gui::MenuTile>(program.main_window(), "imgBackup"),
                      Qt::LeftButton);
    orvanta::gui::SetModalHook({});

    QCOMPARE(shown, (std::vector<std::string>{"TEnPassForm", "TBackupForm", "TWarningForm"}));
    QCOMPARE(messages, std::vector<std::string>{orvanta::kRestoreDoneMessage});
    QCOMPARE(rows_after_save, 2);  // the title row and the new archive
    QVERIFY(std::filesystem::is_regular_file(archive));
    QCOMPARE(Find<QLabel>(program.main_window(), "stProgramName")->text(),
             QString("HAFTALIK DERS PROGRAMI (Yedek:ekim1)"));
    program.main_window().close();
  }
};

ORVANTA_GUI_TEST(BackupScreenTest);

#include "backup_screen_test.moc"
