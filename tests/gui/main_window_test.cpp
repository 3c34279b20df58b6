// The real main window on a temporary data root: its screens are driven through their controls,
// the modal ones answered through the program's modal hook, and what lands on disk and in the
// activity log is read back.

#include "gui/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "gui/desktop_program.h"
#include "gui/menu_tile.h"
#include "gui/modal_runner.h"
#include "gui/model_grid_widget.h"
#include "gui_test_registry.h"

namespace {

using orvanta::gui::DesktopProgram;

class RecordingLog : public orvanta::EventLog {
 public:
  void Write(std::string_view unit, std::string_view method, std::string_view text) override {
    lines.push_back(std::string(unit) + "." + std::string(method) + ";" + std::string(text));
  }
  bool Has(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::vector<std::string> lines;
};

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int Int32At(const std::string& bytes, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// A length-prefixed Windows-1254 string at offset.
std::string ShortStringAt(const std::string& bytes, size_t offset) {
  return bytes.substr(offset + 1, static_cast<unsigned char>(bytes[offset]));
}

template <typename Widget>
Widget* Find(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(name);
  if (widget == nullptr) qFatal("no control %s on %s", name, qPrintable(window.objectName()));
  return widget;
}

void Click(QWidget& window, const char* button) {
  QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
}

// Types text key by key, also letters QTest::keyClicks cannot (it knows only ASCII).
void Type(QWidget* field, const QString& text) {
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

// Saves a picture of the window when ORVANTA_GUI_SCREENSHOTS names a folder, so a developer can
// look at the screens the test went through.
void Snapshot(QWidget& window, const QString& name) {
  const QString folder = qEnvironmentVariable("ORVANTA_GUI_SCREENSHOTS");
  if (!folder.isEmpty()) window.grab().save(folder + "/" + name + ".png");
}

// Answers each modal dialog by its form name; a dialog nobody expected fails the test.
class DialogScript {
 public:
  using Answer = std::function<void(QDialog&)>;

  DialogScript() {
    orvanta::gui::SetModalHook([this](QDialog& dialog) {
      const std::string form = dialog.objectName().toStdString();
      shown.push_back(form);
      Snapshot(dialog, QString::fromStdString(form + "_" + std::to_string(shown.size())));
      const auto answer = answers.find(form);
      if (answer == answers.end()) {
        unexpected.push_back(form);
        dialog.reject();
        return;
      }
      answer->second(dialog);
      // An answer that failed half-way leaves its dialog open; close it so the test ends.
      if (dialog.isVisible()) {
        unexpected.push_back(form + " left open");
        dialog.reject();
      }
    });
  }
  ~DialogScript() { orvanta::gui::SetModalHook({}); }

  std::map<std::string, Answer> answers;
  std::vector<std::string> shown;
  std::vector<std::string> unexpected;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    QTemporaryDir root;
    orvanta::FixedClock clock{orvanta::LocalDateTime{2024, 10, 7, 9, 0, 0, 0}};
    RecordingLog log;
    DialogScript script;
    std::unique_ptr<DesktopProgram> program;

    Fixture() {
      // The first start has no entry password: "Tamam" lets the user in.
      script.answers["TEnPassForm"] = [](QDialog& dialog) { Click(dialog, "OkBtn"); };
      program = std::make_unique<DesktopProgram>(Root(), clock, log);
    }
    std::filesystem::path Root() const { return root.path().toStdString(); }
    std::filesystem::path DataRoot() const { return Root() / "Quillen" / "Orvanta"; }
    orvanta::gui::MainWindow& Window() { return program->main_window(); }

    // Shows the window and waits for the first activation (which asks the entry password).
    bool Start() {
      Window().show();
      return QTest::qWaitFor([this] { return !program->data().set_folder.empty(); }) &&
             QTest::qWaitFor([this] { return !script.shown.empty(); });
    }
    void ClickTile(const char* component) {
      QTest::mouseClick(Find<orvanta::gui::MenuTile>(Window(), component), Qt::LeftButton);
    }
    QString ProgramName() { return Find<QLabel>(Window(), "stProgramName")->text(); }
  };

 private slots:
  void AddsAProgramSetOpensItAndSavesOnClose() {
    Fixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.ProgramName(), QString("HAFTALIK DERS PROGRAMI"));
    Snapshot(f.Window(), "main_window");
    const std::filesystem::path global_file = f.Root() / "Quillen" / "global.prg";
    QCOMPARE(Int32At(ReadFile(global_file), 0), 1);  // run flag: the password was accepted

    f.script.answers["TProgForm"] = [](QDialog& dialog) {
      Click(dialog, "btnInsert");
      auto* name = Find<QLineEdit>(dialog, "edtPrgName");
      QVERIFY(name->isVisible());
      Type(name, "yeni okul");  // typed in small letters, kept as capitals
      QCOMPARE(name->text(), QString("YENİ OKUL"));
      QTest::keyClick(name, Qt::Key_Return);  // "Kaydet"
      QVERIFY(!name->isVisible());
      auto* grid = Find<orvanta::gui::ModelGridWidget>(dialog, "ProgGrid");
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect({2, 1}).center());
      Snapshot(dialog, "TProgForm_new_set");
      Click(dialog, "btnOpen");
    };
    f.ClickTile("ProgBtn");

    QCOMPARE(f.script.unexpected, std::vector<std::string>{});
    QCOMPARE(f.ProgramName(), QString("YENİ OKUL"));
    QVERIFY(std::filesystem::is_regular_file(f.DataRoot() / "02" / "lesson.prg"));
    QVERIFY(
        f.log.Has("TMainForm.appEvntMsg;Clicked Programlar (ProgBtn) button on form TMainForm"));
    QVERIFY(f.log.Has("TMainForm.appEvntMsg;Clicked Ekle (btnInsert) button on form TProgForm"));
    QVERIFY(f.log.Has("TMainForm.appEvntMsg;Clicked  (ProgGrid) button on form TProgForm"));
    QVERIFY(f.log.Has("TMainForm.appEvntCloseMsg;PROGRAMLAR(TProgForm) form is closed"));

    f.Window().close();
    const std::string progs = ReadFile(f.DataRoot() / "prog.prg");
    QCOMPARE(progs.size(), size_t{2 * 176});
    QCOMPARE(Int32At(progs, 176 + 0), 2);                                  // No
    QCOMPARE(ShortStringAt(progs, 176 + 8), std::string("YEN\xDD OKUL"));  // Windows-1254 İ
    QCOMPARE(Int32At(progs, 0 + 112), 0);                                  // Current of set 1
    QCOMPARE(Int32At(progs, 176 + 112), 1);                                // Current of set 2
    QCOMPARE(Int32At(ReadFile(global_file), 0), 0);  // run flag cleared by the close
  }

  void MissingPrerequisiteIsAMessageWithoutCancel() {
    Fixture f;
    QVERIFY(f.Start());
    QString text;
    bool cancel_enabled = true;
    f.script.answers["TWarningForm"] = [&](QDialog& dialog) {
      text = dialog.findChild<QPlainTextEdit*>()->toPlainText();
      cancel_enabled = Find<QPushButton>(dialog, "CancelBtn")->isEnabled();
      QTest::keyClick(&dialog, Qt::Key_Escape);  // "İptal" is disabled: Escape does nothing
      QVERIFY(dialog.isVisible());
      QTest::keyClick(&dialog, Qt::Key_Return);
    };
    f.ClickTile("imgDLC");

    QCOMPARE(text, QString("Önce sınıfları girmelisiniz !"));
    QVERIFY(!cancel_enabled);
    QVERIFY(f.log.Has("TMainForm.appEvntCloseMsg;UYARI(TWarningForm) form is closed"));
    QCOMPARE(f.script.unexpected, std::vector<std::string>{});
  }

  void SettingsFieldsFilterKeysAndAreWritten() {
    Fixture f;
    QVERIFY(f.Start());
    f.script.answers["TOptionForm"] = [](QDialog& dialog) {
      auto* code = Find<QLineEdit>(dialog, "edtKurumKodu");
      QCOMPARE(dialog.focusWidget(), code);
      QCOMPARE(Find<QPushButton>(dialog, "OkBtn")->isEnabled(), !code->text().isEmpty());
      code->clear();
      Type(code, "12a34");
      QCOMPARE(code->text(), QString("1234"));
      auto* name = Find<QLineEdit>(dialog, "edtOkuladi1");
      name->selectAll();
      Type(name, "çiğdem öğüş lisesi");
      QCOMPARE(name->text(), QString("ÇİĞDEM ÖĞÜŞ LİSESİ"));
      Snapshot(dialog, "TOptionForm_typed");
      Click(dialog, "OkBtn");
    };
    f.ClickTile("OptionBtn");

    QCOMPARE(f.script.unexpected, std::vector<std::string>{});
    const std::string progs = ReadFile(f.DataRoot() / "prog.prg");
    QCOMPARE(ShortStringAt(progs, 160), std::string("1234"));  // Kurum_Kodu of set 1
    const std::string option = ReadFile(f.DataRoot() / "01" / "option.prg");
    QVERIFY(option.find("\xC7\xDD\xD0"
                        "DEM \xD6\xD0\xDC\xDE L\xDDSES\xDD") != std::string::npos);
  }
};

ORVANTA_GUI_TEST(MainWindowTest);

#include "main_window_test.moc"
