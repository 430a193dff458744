#include "dialogs/about_dialog.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "common/version.h"
#include "dialogs/about_layout.h"
#include "res/about_dialog_ids.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "win/system_library.h"

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
        win::RequireSystemFunction<decltype(::CoInitializeEx)>(kCom, "CoInitializeEx");
    initialized_ =
        SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
  ~ComApartment() {
    if (initialized_)
      win::SystemFunction<decltype(::CoUninitialize)>(kCom, "CoUninitialize")();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_ = false;
};

decltype(::ShellExecuteW)* ShellExecute() {
  return win::RequireSystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
}

class AboutDialog : public ui::ModalDialog {
 public:
  void Show(HWND owner) {
    const std::wstring caption = about_layout::AboutCaption(kFileDescription, kVersion);
    Run(owner, {caption.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, about_layout::kClientWidthTwips,
                about_layout::kClientHeightTwips, about_layout::Controls()});
  }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != WM_SETCURSOR || !IsLink(reinterpret_cast<HWND>(wParam)))
      return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    result = TRUE;
    return true;
  }

  COLORREF LabelTextColor(HWND control) const override {
    switch (::GetDlgCtrlID(control)) {
      case about_ids::descriptionLabel:
        return kDescriptionColor;
      case about_ids::webPageLink:
        return kWebLinkColor;
      case about_ids::emailLink:
        return ::GetSysColor(COLOR_HIGHLIGHT);
      default:
        return ModalDialog::LabelTextColor(control);
    }
  }

  // "Ok" is the one control that takes the focus, so the dialog manager gives
  // it Enter, and Space presses it, as in a message box. A click on a link
  // arrives as a click too: a label's STN_CLICKED is BN_CLICKED's code.
  bool OnButtonClicked(int id, HWND control) override {
    if (id == about_ids::okButton) {
      OnOK();
    } else if (id == about_ids::webPageLink) {
      OpenWebPage();
    } else if (id == about_ids::emailLink) {
      StartEmail();
    } else {
      return ModalDialog::OnButtonClicked(id, control);
    }
    return true;
  }

 private:
  bool IsLink(HWND control) const {
    return control &&
           (control == Item(about_ids::webPageLink) || control == Item(about_ids::emailLink));
  }

  // The labels' captions decide where the links lead, read at the click.
  // No working folder: the handler keeps to its own.
  void OpenWebPage() const {
    Open(::GetDesktopWindow(), ui::WindowText(Item(about_ids::webPageLink)));
  }

  void StartEmail() const {
    Open(nullptr, about_layout::MailtoTarget(ui::WindowText(Item(about_ids::emailLink)),
                                             kApplicationTitle, kVersion));
  }

  static void Open(HWND owner, const std::wstring& target) {
    if (!about_layout::IsOpenableLink(target))
      return;
    ComApartment com;
    ShellExecute()(owner, L"open", target.c_str(), L"", nullptr, SW_SHOWNORMAL);
  }
};

}  // namespace

void ShowAboutDialog(HWND owner) {
  AboutDialog dialog;
  dialog.Show(owner);
}

}  // namespace vintrel
