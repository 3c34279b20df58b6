#include "gui/desktop_screens.h"

#include "gui/backup_form_view.h"
#include "gui/desktop_folder.h"
#include "gui/maintenance_form_view.h"
#include "gui/n_kurum_form_view.h"
#include "gui/option_form_view.h"
#include "gui/password_forms_view.h"
#include "gui/prog_copy_form_view.h"
#include "gui/prog_form_view.h"
#include "gui/trans_form_view.h"

namespace orvanta::gui {

namespace {

// Each showing gets a fresh model and window, the way the screens start from the records.
template <typename Model, typename View>
void Register(ScreenId screen, AppContext& app, QtUserInterface& ui) {
  app.screens.Register(screen);
  ui.SetScreen(screen, [&app](QWidget* parent) {
    Model model(app);
    View view(model, app, parent);
    return view.Run();
  });
}

}  // namespace

void RegisterDesktopScreens(AppContext& app, QtUserInterface& ui) {
  Register<TProgForm, ProgFormView>(ScreenId::kProgramSets, app, ui);
  Register<TProgCopyForm, ProgCopyFormView>(ScreenId::kProgramCopy, app, ui);
  Register<TOptionForm, OptionFormView>(ScreenId::kOptions, app, ui);
  Register<TEnPassForm, EnPassFormView>(ScreenId::kEntryPassword, app, ui);
  Register<TEnPassEditForm, EnPassEditFormView>(ScreenId::kEntryPasswordEdit, app, ui);
  Register<TNKurumForm, NKurumFormView>(ScreenId::kInstitutionCode, app, ui);
  Register<TMaintenanceForm, MaintenanceFormView>(ScreenId::kMaintenance, app, ui);
  app.screens.Register(ScreenId::kBackup);
  ui.SetScreen(ScreenId::kBackup, [&app](QWidget* parent) {
    TBackupForm model(app, DesktopFolder());
    BackupFormView view(model, app, parent);
    return view.Run();
  });
  app.screens.Register(ScreenId::kInterchange);
  ui.SetScreen(ScreenId::kInterchange, [&app](QWidget* parent) {
    TTransForm model(app, TransFormView::FileDialog());
    TransFormView view(model, app, parent);
    return view.Run();
  });
}

}  // namespace orvanta::gui
