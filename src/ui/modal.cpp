#include "ui/modal.h"

#include "ui/dialog.h"

namespace vintrel::ui {
namespace {

bool TranslateDialogKeys(MSG& msg) {
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  if (!root)
    return false;
  // A modeless dialog has the dialog manager's keys and nothing else.
  if (Dialog::FromHandle(root))
    return ::IsDialogMessageW(root, &msg) != FALSE;
  if (Window* window = Window::FromHandle(root); window && window->TranslateKey(msg))
    return true;
  // Enter on a focused push button presses it, as in a dialog box; our
  // windows have no default button, so nothing else reacts to Enter.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    HWND focus = ::GetFocus();
    wchar_t cls[16] = {};
    if (focus && ::GetAncestor(focus, GA_ROOT) == root && ::GetClassNameW(focus, cls, 16) &&
        ::lstrcmpiW(cls, L"Button") == 0 &&
        (::GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
      ::SendMessageW(focus, BM_CLICK, 0, 0);
      return true;
    }
  }
  return ::IsDialogMessageW(root, &msg) != FALSE;
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateDialogKeys(msg))
      continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

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
    if (TranslateDialogKeys(msg))
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
