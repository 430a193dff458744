#include "dialogs/about_dialog.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "common/version.h"
#include "dialogs/about_layout.h"
#include "res/about_dialog_ids.h"
#include "ui/controls.h"
#include "ui/modal.h"
#include "ui/system_library.h"

namespace vintrel {
namespace {

constexpr COLORREF kDescriptionColor = RGB(255, 0, 0);
constexpr COLORREF kWebLinkColor = RGB(0, 0, 128);

// Shell handlers of web and mailto links may be COM objects, which need an
// apartment on the calling thread. The COM and shell libraries are loaded at
// the first click on a link, not at start-up.
constexpr wchar_t kCom[] = L"ole32.dll";

class ComApartment {
 public:
  ComApartment() {
    const auto initialize =
        ui::RequireSystemFunction<decltype(::CoInitializeEx)>(kCom, "CoInitializeEx");
    initialized_ =
        SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
  ~ComApartment() {
    if (initialized_)
      ui::SystemFunction<decltype(::CoUninitialize)>(kCom, "CoUninitialize")();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_ = false;
};

decltype(::ShellExecuteW)* ShellExecute() {
  return ui::RequireSystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
}

class AboutDialog : public ui::ModalWindow {
 public:
  bool Show(HWND owner) {
    const Frame frame{L"VintrelAboutWindow",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE,
                      owner,
                      about_layout::kClientWidthTwips,
                      about_layout::kClientHeightTwips,
                      nullptr,
                      nullptr};
    if (!Create(frame))
      return false;
    const std::wstring caption = about_layout::AboutCaption(kFileDescription, kVersion);
    ::SetWindowTextW(hwnd(), caption.c_str());
    controls_.Build(hwnd(), about_layout::Controls());
    RunModal();
    return true;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETCURSOR && IsLink(reinterpret_cast<HWND>(wParam))) {
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    }
    return ModalWindow::HandleMessage(message, wParam, lParam);
  }

  // "Ok" is the one control that takes the focus, so Enter and Space close
  // the window as in a message box.
  HWND InitialFocus() const override { return Item(about_ids::Command1); }

  COLORREF LabelTextColor(HWND control) const override {
    const int id = ::GetDlgCtrlID(control);
    if (id == about_ids::Label(1))
      return kDescriptionColor;
    if (id == about_ids::Label(2))
      return kWebLinkColor;
    if (id == about_ids::Label(3))
      return ::GetSysColor(COLOR_HIGHLIGHT);
    return ModalWindow::LabelTextColor(control);
  }

  void OnCommand(int id, int code, HWND) override {
    if (id == IDCANCEL || (id == about_ids::Command1 && code == BN_CLICKED)) {
      EndModal();
    } else if (id == about_ids::Label(2) && code == STN_CLICKED) {
      OpenWebPage();
    } else if (id == about_ids::Label(3) && code == STN_CLICKED) {
      StartEmail();
    }
  }

 private:
  bool IsLink(HWND control) const {
    return control &&
           (control == Item(about_ids::Label(2)) || control == Item(about_ids::Label(3)));
  }

  // The labels' captions decide where the links lead, read at the click.
  // No working folder: the handler keeps to its own.
  void OpenWebPage() const {
    Open(::GetDesktopWindow(), ui::WindowText(Item(about_ids::Label(2))));
  }

  void StartEmail() const {
    Open(nullptr, about_layout::MailtoTarget(ui::WindowText(Item(about_ids::Label(3))),
                                             kApplicationTitle, kVersion));
  }

  static void Open(HWND owner, const std::wstring& target) {
    if (!about_layout::IsOpenableLink(target))
      return;
    ComApartment com;
    ShellExecute()(owner, L"open", target.c_str(), L"", nullptr, SW_SHOWNORMAL);
  }

  ui::ControlSet controls_;
};

}  // namespace

void ShowAboutDialog(HWND owner) {
  AboutDialog dialog;
  dialog.Show(owner);
}

}  // namespace vintrel
