#include "keyboard_driver.h"

namespace vintrel::e2e {
namespace {

constexpr LPARAM kAltDown = LPARAM{1} << 29;
constexpr LPARAM kReleased = LPARAM{3} << 30;  // previous state down, transition up

LPARAM KeyData(WORD virtualKey) {
  return 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
}

HWND Focus(HWND window) {
  HWND focus = FocusedWindow(window);
  if (!focus)
    throw Failure("nothing has the keyboard focus");
  return focus;
}

}  // namespace

void TypeLetter(HWND window, WORD virtualKey, wchar_t character) {
  HWND focus = Focus(window);
  const LPARAM data = KeyData(virtualKey);
  PostMessageW(focus, WM_KEYDOWN, virtualKey, data);
  PostMessageW(focus, WM_CHAR, character, data);
  PostMessageW(focus, WM_KEYUP, virtualKey, data | kReleased);
}

void TypeAltLetter(HWND window, WORD virtualKey, wchar_t character) {
  HWND focus = Focus(window);
  const LPARAM alt = KeyData(VK_MENU);
  const LPARAM data = KeyData(virtualKey) | kAltDown;
  PostMessageW(focus, WM_SYSKEYDOWN, VK_MENU, alt | kAltDown);
  PostMessageW(focus, WM_SYSKEYDOWN, virtualKey, data);
  PostMessageW(focus, WM_SYSCHAR, character, data);
  PostMessageW(focus, WM_SYSKEYUP, virtualKey, data | kReleased);
  PostMessageW(focus, WM_KEYUP, VK_MENU, alt | kReleased);
}

}  // namespace vintrel::e2e
