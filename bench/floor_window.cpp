// The start-up floor: the least a Win32 program built with the same toolchain
// can do before it waits for the user, namely create and show one empty
// top-level window and run its message loop. Built twice: plain, and with
// the program's manifest and its common controls (VINTREL_FLOOR_THEMED), which
// puts a price on what every themed program pays before its own work.
#include <windows.h>

#ifdef VINTREL_FLOOR_THEMED
#include <commctrl.h>
#endif

#include "win/start_phases.h"

namespace {

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  VINTREL_START_PHASE("main");
#ifdef VINTREL_FLOOR_THEMED
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_USEREX_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  VINTREL_START_PHASE("controls");
#endif
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VintrelBenchFloor";
  if (!RegisterClassW(&windowClass))
    return 1;
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 420, 260, nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  VINTREL_START_PHASE("window");
  ShowWindow(window, show);
  UpdateWindow(window);
  VINTREL_START_PHASE("painted");
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
