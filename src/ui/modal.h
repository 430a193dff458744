#pragma once
#include <windows.h>

#include "ui/window.h"

namespace vintrel::ui {

// A window shown modally over the owner it was created with, as the settings
// and About windows are.
class ModalWindow : public Window {
 protected:
  // Shows the window and runs its message loop until the window is
  // destroyed, the owner taking no input meanwhile. A WM_QUIT seen here is
  // posted again so the outer loop ends too.
  void RunModal();
  // Gives input back to the owner first, so activation returns to the owner
  // and not to another program, then destroys the window.
  void EndModal();
  void OnClose() override { EndModal(); }
};

// The program's message loop: keyboard navigation (Tab, Space, Enter on a
// focused button) for whichever of our windows or modeless dialogs has the
// message.
int RunMessageLoop();

}  // namespace vintrel::ui
