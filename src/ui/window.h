#pragma once
#include <windows.h>

namespace vintrel::ui {

// Base of the program's top-level windows: one window procedure stores
// `this` at creation and forwards every message to HandleMessage. Exceptions
// never cross into the system: they stop here and go to ReportException.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  bool IsCreated() const { return hwnd_ != nullptr; }

 protected:
  struct Frame {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    HWND owner;
    int clientWidth;  // pixels
    int clientHeight;
    HICON bigIcon;
    HICON smallIcon;
  };
  // Creates the window hidden, centred on its owner (or on the screen).
  bool Create(const Frame& frame);
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after WM_NCDESTROY; the handle is gone by then.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// What an exception that reached a window procedure turns into; the program
// installs a reporter that shows its own message box.
using ExceptionReporter = void (*)(HWND owner);
void SetExceptionReporter(ExceptionReporter reporter);

}  // namespace vintrel::ui
