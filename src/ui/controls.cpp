#include "ui/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/twips.h"

namespace vintrel::ui {
namespace {

// Extra height given to a drop-down list so its list can open below it.
constexpr int kDropListTwips = 3000;
// Where a tooltip's text wraps.
constexpr int kTooltipWidthTwips = 6000;

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassFor(const ControlSpec& spec) {
  switch (spec.kind) {
    case ControlKind::label:
      return {L"STATIC",
              static_cast<DWORD>(SS_NOPREFIX | SS_NOTIFY |
                                 ((spec.flags & kCentered) ? SS_CENTER : SS_LEFT)),
              0};
    case ControlKind::button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::checkBox:
      return {L"BUTTON", BS_3STATE | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::comboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::textBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::statusBar:
      return {STATUSCLASSNAMEW, 0, 0};
    case ControlKind::listView:
      return {WC_LISTVIEWW,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::rowList:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::progressBar:
      return {PROGRESS_CLASSW, 0, 0};
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

int ScreenDpi() {
  win::UniqueScreenDc dc(::GetDC(nullptr));
  const int dpi = dc ? ::GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}

namespace {

// Looked up, not imported: older systems have no such function.
template <typename Function>
Function* User32Function(const char* name) {
  return reinterpret_cast<Function*>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int WindowDpi(HWND hwnd) {
  // Windows 10 from 1607.
  static auto* const getDpi = User32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
  const int dpi = getDpi && hwnd ? static_cast<int>(getDpi(hwnd)) : 0;
  return dpi > 0 ? dpi : ScreenDpi();
}

SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
  // Windows 10 from 1607; before it every window is drawn at the screen's DPI.
  static auto* const adjustForDpi =
      User32Function<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

int ControlSet::Pixels(int twips) const {
  return TwipsToPixels(twips, dpi_);
}

win::UniqueFont CreateDialogFont(int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -::MulDiv(8, dpi, 72);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(lf.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
  return win::UniqueFont(::CreateFontIndirectW(&lf));
}

RECT ControlSet::Placed(const ControlSpec& spec) const {
  const TwipsRect r = WindowTwipsRect(table_, spec);
  int height = Pixels(r.height);
  if (spec.kind == ControlKind::comboBox)
    height += Pixels(kDropListTwips);
  return {Pixels(r.left), Pixels(r.top), Pixels(r.width), height};
}

void ControlSet::Build(HWND parent, std::span<const ControlSpec> table, int dpi) {
  parent_ = parent;
  table_ = table;
  dpi_ = dpi > 0 ? dpi : ScreenDpi();
  font_ = CreateDialogFont(dpi_);
  tooltip_ = nullptr;  // a tooltip window of an earlier build went with its parent

  std::vector<const ControlSpec*> order;
  for (const ControlSpec& spec : table) order.push_back(&spec);
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlSpec* a, const ControlSpec* b) { return a->tab < b->tab; });

  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (const ControlSpec* spec : order) {
    const ClassAndStyle cls = ClassFor(*spec);
    DWORD style = WS_CHILD | cls.style;
    if (!(spec->flags & kHidden))
      style |= WS_VISIBLE;
    if (spec->flags & kDisabled)
      style |= WS_DISABLED;
    const RECT at = Placed(*spec);
    HWND control = ::CreateWindowExW(
        cls.exStyle, cls.className, spec->text, style, at.left, at.top, at.right, at.bottom, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec->id)), instance, nullptr);
    if (!control)
      continue;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (spec->kind == ControlKind::statusBar) {
      ::SendMessageW(control, SB_SIMPLE, TRUE, 0);
      ::SendMessageW(control, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(spec->text));
    }
    if (spec->tooltip) {
      AddTooltip(control, spec->tooltip);
      // An editable list's text is a child edit window, which takes the
      // mouse over everything but the arrow.
      if (HWND edit = ::FindWindowExW(control, nullptr, L"Edit", nullptr))
        AddTooltip(edit, spec->tooltip);
    }
  }
}

void ControlSet::Rescale(int dpi) {
  dpi_ = dpi;
  win::UniqueFont font = CreateDialogFont(dpi_);
  for (const ControlSpec& spec : table_) {
    HWND control = ::GetDlgItem(parent_, spec.id);
    if (!control)
      continue;
    const RECT at = Placed(spec);
    ::SetWindowPos(control, nullptr, at.left, at.top, at.right, at.bottom,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The bar takes its font's height and its place at the window's foot.
    if (spec.kind == ControlKind::statusBar)
      ::SendMessageW(control, WM_SIZE, 0, 0);
  }
  font_ = std::move(font);  // the old font only once no control uses it
  if (tooltip_)
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Pixels(kTooltipWidthTwips));
}

void ControlSet::AddTooltip(HWND control, const wchar_t* text) {
  if (!tooltip_) {
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_)
      return;
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Pixels(kTooltipWidthTwips));
  }
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = parent_;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<wchar_t*>(text);
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace vintrel::ui
