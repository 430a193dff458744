#pragma once
#include <windows.h>

#include <span>

#include "ui/control_table.h"
#include "ui/controls.h"

namespace vintrel::ui {

// Base of the program's top-level windows: one window procedure stores
// `this` at creation and dispatches to a few handlers. Exceptions never
// cross into the system: they stop there and go to the exception reporter.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

  // The program's window behind `hwnd`; null for any other window.
  static Window* FromHandle(HWND hwnd);
  // A key message for this window or one of its controls, seen by the
  // message loop before anything else; true when it was handled here.
  virtual bool TranslateKey(const MSG& /*msg*/) { return false; }

 protected:
  struct Frame {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    HWND owner;
    int clientWidthTwips;  // converted at the window's DPI
    int clientHeightTwips;
    HICON bigIcon;
    HICON smallIcon;
    std::span<const ControlSpec> controls = {};
  };
  // Creates the window hidden, centred on its owner (or on the screen), with
  // its controls.
  bool Create(const Frame& frame);
  void Destroy();

  // The DPI the window is laid out at, and a length of the controls' table
  // in pixels at it.
  int Dpi() const { return controls_.Dpi(); }
  int Pixels(int twips) const { return controls_.Pixels(twips); }

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND; `control` is null for menus, accelerators and the dialog
  // manager's Enter and Escape.
  virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
  // WM_CLOSE: the close box, Alt+F4, or a close sent from outside.
  virtual void OnClose() { Destroy(); }
  // The control that takes the focus at the first activation; the focused
  // control is kept across later switches to other windows, as a dialog box
  // does. Null: the window itself.
  virtual HWND InitialFocus() const { return nullptr; }
  // Text colour of a label or a frame's caption; the background is always
  // the window's face colour, as in a dialog box.
  virtual COLORREF LabelTextColor(HWND /*control*/) const {
    return ::GetSysColor(COLOR_WINDOWTEXT);
  }
  // Called after WM_NCDESTROY; the handle is gone by then.
  virtual void OnDestroyed() {}
  // After the window and its controls took a new DPI.
  virtual void OnDpiChanged() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;
  ControlSet controls_;
};

// WM_DPICHANGED for a window or dialog built from `controls`: its controls
// and their font at the new DPI, and the size and place the system suggests.
void TakeNewDpi(HWND window, ControlSet& controls, WPARAM wParam, LPARAM lParam);

// What an exception that reached a window procedure turns into; the program
// installs a reporter that shows its own message box.
using ExceptionReporter = void (*)();
void SetExceptionReporter(ExceptionReporter reporter);
// Hands the exception being handled to the reporter; for catch blocks at a
// window or dialog procedure.
void ReportException();

// Where a window of that size goes: centred on its owner when the owner is
// shown, else on the work area, never past the screen's top-left corner.
POINT CenteredOrigin(HWND owner, int width, int height);

}  // namespace vintrel::ui
