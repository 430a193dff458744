#include "ui/message_loop.h"

#include "ui/dialog.h"
#include "ui/window.h"

namespace vintrel::ui {

bool HandleDialogKeys(MSG& msg) {
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

int RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (HandleDialogKeys(msg))
      continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace vintrel::ui
