#include "ui/dialog.h"

#include <cstring>
#include <string_view>

#include "ui/twips.h"
#include "ui/window.h"

namespace vintrel::ui {
namespace {

static_assert(sizeof(DLGTEMPLATE) == 18, "a dialog template's header is packed");
// DDC_DISABLE_ALL of SetDialogDpiChangeBehavior, which older headers lack.
constexpr DWORD kNoDialogDpiScaling = 1;

void AppendText(std::vector<WORD>& words, std::wstring_view text) {
  words.insert(words.end(), text.begin(), text.end());
  words.push_back(0);
}

// The dialog manager's messages that return their value directly instead of
// through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_INITDIALOG || message == WM_QUERYDRAGICON || message == WM_COMPAREITEM ||
         message == WM_VKEYTOITEM || message == WM_CHARTOITEM;
}

}  // namespace

Dialog::~Dialog() {
  if (hwnd_ && ::IsWindow(hwnd_))
    ::DestroyWindow(hwnd_);
}

Dialog* Dialog::FromHandle(HWND hwnd) {
  // Message boxes and the open dialog are dialogs too, with procedures and
  // data of their own.
  if (!hwnd || ::GetWindowLongPtrW(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&Procedure))
    return nullptr;
  return reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
}

const DLGTEMPLATE* Dialog::Template(const Frame& frame) {
  frame_ = frame;
  // No controls and no size: both come at WM_INITDIALOG, in pixels from the
  // twips, which dialog units could only approximate. The font is the one
  // the layouts were drawn for; DS_SHELLFONT would swap it for another face.
  DLGTEMPLATE head{};
  head.style = frame.style | DS_SETFONT;
  head.dwExtendedStyle = frame.exStyle;
  template_.assign(sizeof head / sizeof(WORD), 0);
  std::memcpy(template_.data(), &head, sizeof head);
  template_.push_back(0);  // no menu
  template_.push_back(0);  // the dialog manager's own class
  AppendText(template_, frame.caption);
  template_.push_back(8);  // points
  AppendText(template_, L"MS Shell Dlg");
  return reinterpret_cast<const DLGTEMPLATE*>(template_.data());
}

void Dialog::Layout() {
  // The dialog manager would scale the dialog by its template's font at a
  // change of DPI (Windows 10 from 1703); the twips tables scale in
  // proportion instead, at WM_DPICHANGED.
  using SetBehavior = BOOL WINAPI(HWND, DWORD, DWORD);
  static auto* const setBehavior = reinterpret_cast<SetBehavior*>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
  if (setBehavior)
    setBehavior(hwnd_, kNoDialogDpiScaling, kNoDialogDpiScaling);
  const int dpi = WindowDpi(hwnd_);
  const SIZE size = FrameSize(hwnd_, TwipsToPixels(frame_.clientWidthTwips, dpi),
                              TwipsToPixels(frame_.clientHeightTwips, dpi), dpi);
  const POINT at = CenteredOrigin(::GetWindow(hwnd_, GW_OWNER), size.cx, size.cy);
  ::SetWindowPos(hwnd_, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Build(hwnd_, frame_.controls, dpi);
  if (frame_.bigIcon)
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame_.bigIcon));
  if (frame_.smallIcon)
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame_.smallIcon));
}

bool Dialog::OnCommand(int id, int code, HWND control) {
  return code == BN_CLICKED && OnButtonClicked(id, control);
}

bool Dialog::OnButtonClicked(int id, HWND) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    return false;
  }
  return true;
}

INT_PTR Dialog::Answer(UINT message, LRESULT result) const {
  if (ReturnsDirectly(message))
    return static_cast<INT_PTR>(result);
  ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result))
    return Answer(message, result);
  switch (message) {
    case WM_INITDIALOG:
      Layout();
      return OnInit();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED:
      TakeNewDpi(hwnd_, controls_, wParam, lParam);
      OnDpiChanged();
      return Answer(message, 0);
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (OnNotify(static_cast<int>(header.idFrom), header, result))
        return Answer(message, result);
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels, frames and boxes sit on the dialog's face colour, whatever
      // a theme would give them.
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      ::SetTextColor(dc, LabelTextColor(reinterpret_cast<HWND>(lParam)));
      return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* creating = reinterpret_cast<Dialog*>(lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    creating->hwnd_ = hwnd;
  }
  // Messages before WM_INITDIALOG (the font, the frame's creation) are the
  // dialog manager's alone.
  auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self)
    return FALSE;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    return FALSE;
  }
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    ReportException();
    // A dialog whose controls could not all be made does not open half-built.
    if (message == WM_INITDIALOG)
      self->End(-1);
    return FALSE;
  }
}

INT_PTR ModalDialog::Run(HWND owner, const Frame& frame) {
  return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), Template(frame), owner, &Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

bool ModelessDialog::Create(HWND owner, const Frame& frame) {
  return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), Template(frame), owner,
                                      &Procedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

}  // namespace vintrel::ui
