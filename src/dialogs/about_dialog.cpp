#include "dialogs/about_dialog.h"

#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "app/captions.h"
#include "app/version_info.h"
#include "res/about_dialog_ids.h"
#include "dialogs/about_layout.h"
#include "ui/controls.h"
#include "ui/modal.h"
#include "ui/window.h"

namespace vintrel {
namespace {

constexpr COLORREF kDescriptionColor = RGB(255, 0, 0);
constexpr COLORREF kWebLinkColor = RGB(0, 0, 128);

// Shell handlers of web and mailto links may be COM objects, which need an
// apartment on the calling thread.
class ComApartment {
 public:
  ComApartment()
      : initialized_(SUCCEEDED(
            ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialized_)
      ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

class AboutDialog : public ui::Window {
 public:
  bool Create(HWND owner) {
    const int dpi = ui::ScreenDpi();
    const Frame frame{L"VintrelAboutWindow",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE,
                      owner,
                      ui::Pixels(about_layout::kClientWidthTwips, dpi),
                      ui::Pixels(about_layout::kClientHeightTwips, dpi),
                      nullptr,
                      nullptr};
    if (!Window::Create(frame))
      return false;
    identity_ = ReadProgramIdentity();
    const std::wstring caption = AboutCaption(identity_.fileDescription, identity_.version);
    ::SetWindowTextW(hwnd(), caption.c_str());
    controls_.Build(hwnd(), about_layout::Controls());
    return true;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
      case WM_CTLCOLORSTATIC:
        if (const auto color = LabelColor(reinterpret_cast<HWND>(lParam))) {
          const HDC dc = reinterpret_cast<HDC>(wParam);
          ::SetTextColor(dc, *color);
          ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
          return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
      case WM_SETCURSOR:
        if (IsLink(reinterpret_cast<HWND>(wParam))) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
      case WM_ACTIVATE:
        // "Ok" is the one control that takes the focus, so Enter and Space
        // close the window as in a message box.
        if (LOWORD(wParam) != WA_INACTIVE) {
          ::SetFocus(Item(about_ids::Command1));
          return 0;
        }
        break;
      case WM_CLOSE:
        Unload();
        return 0;
      default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  bool IsLink(HWND control) const {
    return control &&
           (control == Item(about_ids::Label(2)) || control == Item(about_ids::Label(3)));
  }

  std::optional<COLORREF> LabelColor(HWND control) const {
    const int id = ::GetDlgCtrlID(control);
    if (id == about_ids::Label(1))
      return kDescriptionColor;
    if (id == about_ids::Label(2))
      return kWebLinkColor;
    if (id == about_ids::Label(3))
      return ::GetSysColor(COLOR_HIGHLIGHT);
    return std::nullopt;
  }

  void OnCommand(int id, int code) {
    if (id == IDCANCEL || (id == about_ids::Command1 && code == BN_CLICKED)) {
      Unload();
    } else if (id == about_ids::Label(2) && code == STN_CLICKED) {
      OpenWebPage();
    } else if (id == about_ids::Label(3) && code == STN_CLICKED) {
      StartEmail();
    }
  }

  // The labels' captions decide where the links lead, read at the click.
  void OpenWebPage() const {
    const std::wstring address = ui::WindowText(Item(about_ids::Label(2)));
    ComApartment com;
    ::ShellExecuteW(::GetDesktopWindow(), L"open", address.c_str(), L"", L"c:\\", SW_SHOWNORMAL);
  }

  void StartEmail() const {
    const std::wstring target = MailtoTarget(ui::WindowText(Item(about_ids::Label(3))),
                                             kApplicationTitle, identity_.version);
    ComApartment com;
    ::ShellExecuteW(nullptr, L"open", target.c_str(), L"", L"", SW_SHOWNORMAL);
  }

  void Unload() {
    ui::ReleaseOwner(hwnd());
    Destroy();
  }

  ui::ControlSet controls_;
  ProgramIdentity identity_;
};

}  // namespace

void ShowAboutDialog(HWND owner) {
  AboutDialog dialog;
  if (!dialog.Create(owner))
    return;
  ui::RunModal(dialog.hwnd(), owner);
}

}  // namespace vintrel
