#pragma once
// A window's controls described as data, so that a layout reads like its
// design table. Pure: no <windows.h>; the Win32 builder lives in controls.cpp.
#include <span>

namespace vintrel::ui {

enum class ControlKind {
  label,
  button,
  checkBox,  // three states: cleared, checked, greyed
  comboBox,  // editable drop-down list
  textBox,
  frame,  // group box with a caption
  statusBar,
  listView,  // a list of rows in columns
  // A list whose rows the window supplies as they are drawn, several of them
  // selectable, sorted by a click on a column's title.
  rowList,
  progressBar,
};

enum ControlFlag : unsigned {
  kNoFlags = 0,
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kCentered = 1u << 2,
};

// Left, top, width, height in twips (1/1440 inch).
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlSpec {
  int id = 0;
  ControlKind kind = ControlKind::label;
  const wchar_t* text = L"";
  const wchar_t* tooltip = nullptr;
  TwipsRect rect;
  // The frame whose top-left corner `rect` is measured from; 0 means the
  // window's client area. Controls are always children of the window itself,
  // so keyboard navigation and notifications need no forwarding.
  int container = 0;
  int tab = 0;  // place in the keyboard order, 0 first
  unsigned flags = kNoFlags;
};

// The rectangle of `spec` in the window's client area, in twips.
TwipsRect WindowTwipsRect(std::span<const ControlSpec> table, const ControlSpec& spec);

}  // namespace vintrel::ui
