#include "gui/prog_copy_form_view.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/button_row.h"
#include "gui/model_grid_widget.h"

namespace orvanta::gui {

ProgCopyFormView::ProgCopyFormView(TProgCopyForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent),
      model_(model),
      grid_model_(model, {30, 180}, [this] { Refresh(); }) {
  SetClientSize(370, 410);
  grid_ = new ModelGridWidget(this);
  grid_->setObjectName("ProgGrid");
  grid_->SetModel(&grid_model_);

  source_label_ = new QLabel(this);
  source_label_->setObjectName("SourceLabel");
  destination_label_ = new QLabel(this);
  destination_label_->setObjectName("DestinationLabel");
  for (QLabel* label : {source_label_, destination_label_}) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
  }
  ok_button_ = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });

  QHBoxLayout* buttons = ButtonRow({ok_button_, cancel_button});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(source_label_);
  layout->addWidget(destination_label_);
  layout->addLayout(buttons);
}

ProgCopyFormView::~ProgCopyFormView() { grid_->SetModel(nullptr); }

void ProgCopyFormView::Activate() { model_.FormActivate(); }

void ProgCopyFormView::Refresh() {
  source_label_->setText(QString::fromStdString(model_.SourceLabel()));
  destination_label_->setText(QString::fromStdString(model_.DestinationLabel()));
  ok_button_->setEnabled(model_.OkBtnEnabled());
  grid_->Refresh();
}

}  // namespace orvanta::gui
