#pragma once
// frmSettings on Qt, built from its design: fixed size, centred, no minimise or maximise,
// modal with no owner. Neither button is a default or cancel button, so Enter and Escape do
// nothing (a QDialog would press OK on one and close on the other); the title bar's close
// closes the dialog and stores nothing, as Cancel does.

#include "platform/qt/qt_design.h"
#include "layout/forms.h"

namespace corvanta::qt {

// Builds the dialog, runs its load handler, shows it modally; returns once it has closed.
void RunSettingsDialog(SettingsFormEvents& events, const Scale& scale);

}  // namespace corvanta::qt
