#include "gui/maintenance_form_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

#include "gui/button_row.h"

namespace orvanta::gui {

MaintenanceFormView::MaintenanceFormView(TMaintenanceForm& model, AppContext& app, QWidget* parent)
    : ModalScreenDialog(model, app, parent), model_(model) {
  SetClientSize(TMaintenanceForm::kClientWidth, TMaintenanceForm::kClientHeight);

  auto* group = new QGroupBox(this);
  group->setObjectName("RadioGroup1");
  auto* group_layout = new QVBoxLayout(group);
  choices_ = new QButtonGroup(this);
  for (int id = 0; id < static_cast<int>(std::size(TMaintenanceForm::kChoices)); ++id) {
    auto* item = new QRadioButton(MaintenanceCaption(TMaintenanceForm::kChoices[id]), group);
    item->setObjectName(QString("Choice%1").arg(id + 1));
    choices_->addButton(item, id);
    group_layout->addWidget(item);
  }
  connect(choices_, &QButtonGroup::idClicked, this, [this](int id) {
    RunCommand([this, id] { model_.RadioGroup1Click(TMaintenanceForm::kChoices[id]); });
  });

  ok_button_ = CommandButton("Tamam", "OkBtn", [this] { model_.OkBtnClick(); });
  auto* cancel_button = CommandButton("İptal", "CancelBtn", [this] { model_.CancelBtnClick(); });
  QHBoxLayout* buttons = ButtonRow({ok_button_, cancel_button});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addLayout(buttons);
}

void MaintenanceFormView::Activate() { model_.FormActivate(); }

void MaintenanceFormView::Refresh() {
  if (!model_.choice()) {
    // An exclusive group keeps one button checked unless it lets go of exclusivity first.
    choices_->setExclusive(false);
    for (QAbstractButton* item : choices_->buttons()) item->setChecked(false);
    choices_->setExclusive(true);
  }
  ok_button_->setEnabled(model_.OkBtnEnabled());
}

}  // namespace orvanta::gui
