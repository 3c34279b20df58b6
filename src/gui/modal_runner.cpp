#include "gui/modal_runner.h"

#include <QPointer>
#include <QTimer>

namespace orvanta::gui {

namespace {

ModalHook& Hook() {
  static ModalHook hook;
  return hook;
}

}  // namespace

int RunModal(QDialog& dialog) {
  if (Hook()) {
    QPointer<QDialog> guarded(&dialog);
    // Queued so that it runs inside the dialog's own event loop, after the dialog is shown.
    QTimer::singleShot(0, &dialog, [guarded] {
      if (guarded != nullptr && guarded->isVisible() && Hook()) {
        const ModalHook hook = Hook();  // the hook may replace itself
        hook(*guarded);
      }
    });
  }
  return dialog.exec();
}

void SetModalHook(ModalHook hook) { Hook() = std::move(hook); }

}  // namespace orvanta::gui
