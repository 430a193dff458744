#pragma once
#include <windows.h>

#include "ui/window.h"

namespace vintrel::ui {

// A window shown modally over the owner it was created with, by a message
// loop of its own; the program's dialog boxes leave that to the dialog
// manager (ui/dialog.h).
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

}  // namespace vintrel::ui
