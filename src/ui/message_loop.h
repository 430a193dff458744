#pragma once
#include <windows.h>

namespace vintrel::ui {

// The program's message loop, to the end of the program.
int RunMessageLoop();

// Keyboard navigation for whichever of the program's windows the message is
// for: a dialog's keys from the dialog manager; for a window, its own keys,
// then Tab, Space and Enter on a focused push button, as in a dialog box.
// True when the message was handled and is not to be dispatched.
bool HandleDialogKeys(MSG& msg);

}  // namespace vintrel::ui
