#pragma once

// Every modal window of the program is shown through RunModal, so that tests can answer it: a
// hook set by a test is called with each dialog once it is shown and its event loop runs.

#include <QDialog>
#include <functional>

namespace orvanta::gui {

using ModalHook = std::function<void(QDialog& dialog)>;

// Shows dialog modally and returns its QDialog result code.
int RunModal(QDialog& dialog);

// Tests only: hook is called with every dialog RunModal shows from now on, inside that dialog's
// event loop; it answers by pressing its buttons or calling accept()/reject(), or returns and
// leaves the dialog open. An empty hook turns it off.
void SetModalHook(ModalHook hook);

}  // namespace orvanta::gui
