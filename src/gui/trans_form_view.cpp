#include "gui/trans_form_view.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/button_row.h"
#include "gui/field_text.h"
#include "gui/qt_user_interface.h"

namespace orvanta::gui {

TransFormView::TransFormView(TTransForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(TTransForm::kClientWidth, TTransForm::kClientHeight);

  file_name_ = new QLineEdit(this);
  file_name_->setObjectName("Edit1");
  connect(file_name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.Edit1Change(text.toStdString()); });
  });
  auto* find_button = CommandButton("Bul", "OpenBtn", [this] { model_.OpenBtnClick(); });
  auto* ok_button = CommandButton("Çevir", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });

  auto* file_row = new QHBoxLayout;
  file_row->addWidget(file_name_, 1);
  file_row->addWidget(find_button);
  QHBoxLayout* buttons = ButtonRow({ok_button, cancel_button});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Dosya Adı", this));
  layout->addLayout(file_row);
  layout->addStretch();
  layout->addLayout(buttons);
}

TTransForm::FileChooser TransFormView::FileDialog() {
  return [](std::string_view filter) -> std::optional<std::string> {
    // "description|pattern" becomes Qt's "description (pattern)".
    QString qt_filter = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
    const qsizetype bar = qt_filter.indexOf('|');
    if (bar >= 0) qt_filter = qt_filter.left(bar) + " (" + qt_filter.mid(bar + 1) + ")";
    const QString chosen = QFileDialog::getOpenFileName(QtUserInterface::ParentWindow(), QString(),
                                                        QString(), qt_filter);
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen).toStdString();
  };
}

void TransFormView::Refresh() { ShowFieldText(file_name_, model_.Edit1()); }

}  // namespace orvanta::gui
