#include "ui/modal.h"

#include "ui/message_loop.h"

namespace vintrel::ui {

void ModalWindow::EndModal() {
  HWND dialog = hwnd();
  HWND owner = ::GetWindow(dialog, GW_OWNER);
  if (owner && !::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, TRUE);
    if (::GetActiveWindow() == dialog)
      ::SetActiveWindow(owner);
  }
  Destroy();
}

void ModalWindow::RunModal() {
  HWND dialog = hwnd();
  HWND owner = ::GetWindow(dialog, GW_OWNER);
  if (owner)
    ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOWNORMAL);
  ::SetForegroundWindow(dialog);
  MSG msg;
  bool quit = false;
  int quitCode = 0;
  while (::IsWindow(dialog)) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (HandleDialogKeys(msg))
      continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  if (owner && !::IsWindowEnabled(owner))
    ::EnableWindow(owner, TRUE);
  if (quit)
    ::PostQuitMessage(quitCode);
}

}  // namespace vintrel::ui
