#pragma once
// The settings dialog on Win32: a dialog box built from the settings design, its controls
// placed in pixels converted from the design's twips. Neither button is a default or cancel
// button: Enter and Escape, which a dialog box turns into OK and Cancel commands, do nothing,
// and the close box (or Alt+F4) unloads it like Cancel, storing nothing.
// Depends on user32 and gdi32.

#include "layout/forms.h"
#include "win32_common.h"

namespace corvanta::win32 {

// Returns once the dialog is unloaded. The owner only keeps the dialog off the task bar: it is
// the hidden show window, which the dialog never appears to belong to.
void RunSettingsDialog(HINSTANCE instance, HWND owner, const Metrics& m,
                       SettingsFormEvents& events);

}  // namespace corvanta::win32
