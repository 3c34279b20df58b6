#include "gui/prog_form_view.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/field_text.h"
#include "gui/input_fields.h"
#include "gui/model_grid_widget.h"
#include "gui/shortcuts.h"

namespace orvanta::gui {

ProgFormView::ProgFormView(TProgForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent),
      model_(model),
      grid_model_(
          model, {TProgForm::kColumnWidths[0], TProgForm::kColumnWidths[1]}, [this] { Refresh(); },
          [this] { RunCommand([this] { model_.btnEditClick(); }); }) {
  SetClientSize(TProgForm::kClientWidth, TProgForm::kClientHeight);

  grid_ = new ModelGridWidget(this);
  grid_->setObjectName("ProgGrid");
  QFont grid_font("Arial");
  grid_font.setPointSize(8);
  grid_->setFont(grid_font);
  grid_->SetModel(&grid_model_);

  auto* insert_button = CommandButton("Ekle", "btnInsert", [this] { model_.btnInsertClick(); });
  edit_button_ = CommandButton("Düzelt", "btnEdit", [this] { model_.btnEditClick(); });
  delete_button_ = CommandButton("Sil", "btnDel", [this] { model_.btnDelClick(); });
  auto* open_button = CommandButton("Programı Aç", "btnOpen", [this] { model_.btnOpenClick(); });
  auto* close_button = CommandButton("Kapat", "btnClose", [this] { model_.btnCloseClick(); });

  insert_panel_ = new QWidget(this);
  insert_panel_->setObjectName("pnlInsert");
  name_field_ = new QLineEdit(insert_panel_);
  name_field_->setObjectName("edtPrgName");
  MakeTurkishUpperField(name_field_);
  save_button_ = CommandButton("Kaydet", "btnSave", [this] { model_.btnSaveClick(); });
  auto* cancel_button = CommandButton("Vazgeç", "btnCancel", [this] { model_.btnCancelClick(); });
  save_button_->setParent(insert_panel_);
  cancel_button->setParent(insert_panel_);
  connect(name_field_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunCommand([this, &text] { model_.edtPrgNameChange(text.toStdString()); });
  });
  connect(name_field_, &QLineEdit::returnPressed, this,
          [this] { RunCommand([this] { model_.btnSaveClick(); }); });
  AddShortcut(
      name_field_, Qt::Key_Escape, [this] { RunCommand([this] { model_.btnCancelClick(); }); },
      Qt::WidgetShortcut);

  AddShortcut(this, Qt::Key_F4, [this] { RunCommand([this] { model_.btnSaveClick(); }); });
  AddShortcut(this, Qt::Key_F5, [this] { RunCommand([this] { model_.btnOpenClick(); }); });
  AddShortcut(this, Qt::Key_F7, [this] { RunCommand([this] { model_.btnDelClick(); }); });

  auto* panel_layout = new QGridLayout(insert_panel_);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->addWidget(new QLabel("Program Adı", insert_panel_), 0, 0, 1, 3);
  panel_layout->addWidget(name_field_, 1, 0);
  panel_layout->addWidget(save_button_, 1, 1);
  panel_layout->addWidget(cancel_button, 1, 2);

  auto* buttons = new QVBoxLayout;
  for (QAbstractButton* button :
       {insert_button, edit_button_, delete_button_, open_button, close_button}) {
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(grid_, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(insert_panel_);
}

ProgFormView::~ProgFormView() { grid_->SetModel(nullptr); }

void ProgFormView::Activate() { model_.FormActivate(); }

void ProgFormView::Refresh() {
  const bool panel_was_visible = insert_panel_->isVisibleTo(this);
  insert_panel_->setVisible(model_.InsertPanelVisible());
  ShowFieldText(name_field_, model_.edtPrgName());
  edit_button_->setEnabled(model_.btnEditEnabled());
  delete_button_->setEnabled(model_.btnDelEnabled());
  save_button_->setEnabled(model_.btnSaveEnabled());
  grid_->Refresh();
  grid_->ScrollTo(grid_model_.FocusCell());
  if (model_.InsertPanelVisible() && !panel_was_visible) name_field_->setFocus();
  if (!model_.InsertPanelVisible() && panel_was_visible) grid_->setFocus();
}

}  // namespace orvanta::gui
