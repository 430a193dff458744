#pragma once
#include <windows.h>

namespace vintrel::ui {

// Shows `dialog` and runs its message loop until the window is destroyed,
// with `owner` taking no input meanwhile. A WM_QUIT seen here is posted again
// so the outer loop ends too.
void RunModal(HWND dialog, HWND owner);

// Before a modal window destroys itself: give input back to its owner first,
// so activation returns to the owner and not to another program.
void ReleaseOwner(HWND dialog);

// The program's message loop: keyboard navigation (Tab, Space, Enter on a
// focused button) for whichever of our windows has the message.
int RunMessageLoop();
bool TranslateDialogKeys(MSG& msg);

}  // namespace vintrel::ui
