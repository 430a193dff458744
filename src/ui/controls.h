#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "ui/control_table.h"
#include "win/unique_handle.h"

namespace vintrel::ui {

// The whole text of a window or control.
std::wstring WindowText(HWND hwnd);

// Screen DPI as the system reports it to this (DPI-aware) program.
int ScreenDpi();
// The DPI a window is drawn at: its own where the system tells it
// (GetDpiForWindow, Windows 10), else the screen's.
int WindowDpi(HWND hwnd);

// The 8-point dialog font ("MS Shell Dlg") at a given DPI; the twips layouts
// were drawn for it, so every window uses it, never the bitmap System font.
win::UniqueFont CreateDialogFont(int dpi);

// The outer size of `window` around a client area of that many pixels, its
// borders and caption as wide as they are drawn at `dpi`.
SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi);

// A window's controls from their twips table: the DPI the table is
// converted at, the font every control gets, and one tooltip window for the
// whole window.
class ControlSet {
 public:
  ControlSet() = default;
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // Creates every control of `table` as a child of `parent`, in keyboard
  // order (the z-order is the tab order), with fonts and tooltips, converted
  // at `dpi` (0: the screen's).
  void Build(HWND parent, std::span<const ControlSpec> table, int dpi = 0);
  // Places and sizes every control of the table again at `dpi`, in a font
  // made for it: the window now shows on a monitor of that DPI.
  void Rescale(int dpi);

  // The DPI of the last build or rescale, and a length of the table in
  // pixels at it.
  int Dpi() const { return dpi_; }
  int Pixels(int twips) const;

 private:
  RECT Placed(const ControlSpec& spec) const;  // left, top, width, height
  void AddTooltip(HWND control, const wchar_t* text);

  HWND parent_ = nullptr;
  std::span<const ControlSpec> table_;
  int dpi_ = 96;
  win::UniqueFont font_;
  HWND tooltip_ = nullptr;  // owned by the parent window; goes with it
};

}  // namespace vintrel::ui
