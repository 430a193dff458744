// The browse floor: a window whose button opens the same open-file dialog as
// "Обзор" and, once a file is confirmed, reads the header bytes in one read
// and shows one number from them (the frame count at offset 8) in a label.
// The benchmark drives it exactly as it drives the program.
#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <string>

#include "bench_ids.h"

namespace {

namespace bench_ids = vintrel::bench_ids;

constexpr DWORD kHeaderBytes = 44 + 4 * 256 + 4;

void ShowFrameCount(HWND window, const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  uint8_t bytes[kHeaderBytes] = {};
  DWORD read = 0;
  ReadFile(file, bytes, kHeaderBytes, &read, nullptr);
  CloseHandle(file);
  const uint32_t frames =
      bytes[8] | (bytes[9] << 8) | (bytes[10] << 16) | (static_cast<uint32_t>(bytes[11]) << 24);
  SetDlgItemTextW(window, bench_ids::kFloorLabel, std::to_wstring(frames).c_str());
}

void Browse(HWND window) {
  wchar_t path[32768] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = L"bik (*.bik)\0*.bik\0*.*\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = 32768;
  dialog.lpstrTitle = bench_ids::kFloorDialogTitle;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameW(&dialog))
    ShowFrameCount(window, path);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == bench_ids::kFloorButton)
        Browse(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VintrelBenchBrowseFloor";
  if (!RegisterClassW(&windowClass))
    return 1;
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"browse floor", WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 420, 260, nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 8, 90, 25, window,
                  reinterpret_cast<HMENU>(bench_ids::kFloorButton), instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 8, 40, 200, 20, window,
                  reinterpret_cast<HMENU>(bench_ids::kFloorLabel), instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
