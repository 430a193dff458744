#pragma once
// Driver pieces for the file information panel: a drop of files onto a window
// of the program, and the folder its open dialog shows.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "driver.h"

namespace vintrel::e2e {

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
