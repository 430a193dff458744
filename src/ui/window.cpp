#include "ui/window.h"

#include "ui/controls.h"
#include "ui/twips.h"

namespace vintrel::ui {
namespace {

ExceptionReporter reporter = nullptr;

void RegisterClassOnce(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, className, &existing))
    return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);
}

}  // namespace

void SetExceptionReporter(ExceptionReporter newReporter) {
  reporter = newReporter;
}

void ReportException() {
  if (reporter)
    reporter();
}

POINT CenteredOrigin(HWND owner, int width, int height) {
  RECT area{};
  if (owner && ::IsWindowVisible(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int x = area.left + ((area.right - area.left) - width) / 2;
  const int y = area.top + ((area.bottom - area.top) - height) / 2;
  return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

Window::~Window() {
  Destroy();
}

void TakeNewDpi(HWND window, ControlSet& controls, WPARAM wParam, LPARAM lParam) {
  controls.Rescale(HIWORD(wParam));
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Group boxes paint only their edges: what the old layout left inside
  // them goes only when the whole window is painted anew.
  ::RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool Window::Create(const Frame& frame) {
  RegisterClassOnce(frame.className, &Window::Procedure);
  // Made about where it will show, so that it has that monitor's DPI, then
  // sized at that DPI.
  const int screenDpi = ScreenDpi();
  const POINT around = CenteredOrigin(frame.owner, TwipsToPixels(frame.clientWidthTwips, screenDpi),
                                      TwipsToPixels(frame.clientHeightTwips, screenDpi));
  HWND hwnd =
      ::CreateWindowExW(frame.exStyle, frame.className, L"", frame.style, around.x, around.y, 0, 0,
                        frame.owner, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!hwnd)
    return false;
  const int dpi = WindowDpi(hwnd);
  const SIZE size = FrameSize(hwnd, TwipsToPixels(frame.clientWidthTwips, dpi),
                              TwipsToPixels(frame.clientHeightTwips, dpi), dpi);
  const POINT at = CenteredOrigin(frame.owner, size.cx, size.cy);
  ::SetWindowPos(hwnd, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Build(hwnd, frame.controls, dpi);
  if (frame.bigIcon)
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame.bigIcon));
  if (frame.smallIcon) {
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame.smallIcon));
  }
  return true;
}

Window* Window::FromHandle(HWND hwnd) {
  // Other windows of the thread (message boxes, the open dialog) keep
  // their own data where ours keep `this`.
  if (!hwnd || ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure))
    return nullptr;
  return reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::Destroy() {
  if (hwnd_ && ::IsWindow(hwnd_))
    ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DPICHANGED:
      TakeNewDpi(hwnd_, controls_, wParam, lParam);
      OnDpiChanged();
      return 0;
    case WM_ACTIVATE: {
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus))
          lastFocus_ = focus;
        return 0;
      }
      HWND target = lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : InitialFocus();
      if (!target)
        break;  // DefWindowProc focuses the window itself
      ::SetFocus(target);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels, frames and boxes sit on the window's face colour, as in a
      // dialog box; DefWindowProc would paint them in the window colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      ::SetTextColor(dc, LabelTextColor(reinterpret_cast<HWND>(lParam)));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      break;
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creating = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    creating->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self)
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportException();
    return 0;
  }
}

}  // namespace vintrel::ui
