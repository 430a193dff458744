#pragma once
// Driver pieces for the file information panel: "Обзор" and its open dialog,
// a drop of files onto a window of the program, and the folder the dialog shows.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"

namespace vintrel::e2e {

inline constexpr wchar_t kOpenDialogTitle[] = L"Откроем файл для просмотра...";

// Presses "Обзор" on the main window and waits for its open dialog.
HWND OpenBrowseDialog(DWORD pid, HWND mainWindow);
// Waits for the dialog to go and for the main window to finish what its
// closing started (a message box it shows is left open).
void WaitForDialogHandled(HWND dialog, HWND mainWindow);
// Chooses `file` in the real open dialog, as a user does, and waits as above.
void BrowseFile(DWORD pid, HWND mainWindow, const std::filesystem::path& file);

// A drop of `files` onto `target` at `clientPoint`, as the shell delivers it
// to a window that accepts files: WM_DROPFILES with a DROPFILES block. The
// block lives in the program's memory; keep the result until the program has
// taken the drop.
std::unique_ptr<RemoteMemory> PostFileDrop(HANDLE process, HWND target,
                                           const std::vector<std::wstring>& files,
                                           POINT clientPoint = {10, 10});

// A window of the driver, made the foreground window for as long as it
// lives, so that no window of the program is active: the situation of a file
// dragged in from the file manager.
class ForegroundWindow {
 public:
  ForegroundWindow();
  ~ForegroundWindow();
  ForegroundWindow(const ForegroundWindow&) = delete;
  ForegroundWindow& operator=(const ForegroundWindow&) = delete;

 private:
  HWND hwnd_ = nullptr;
};

// The active window of the thread that owns `window` (nullptr for none).
HWND ActiveWindowOfThread(HWND window);

// The folder an open-file dialog of another process shows.
std::wstring OpenDialogFolder(HANDLE process, HWND dialog);

}  // namespace vintrel::e2e
