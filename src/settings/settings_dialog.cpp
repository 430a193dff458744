#include "settings/settings_dialog.h"

#include <uxtheme.h>

#include <string>

#include "common/failure.h"
#include "dialogs/message_box.h"
#include "res/settings_dialog_ids.h"
#include "settings/settings_layout.h"
#include "shell/file_association.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "win/system_error.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

using namespace settings_ids;

class SettingsDialog : public ui::ModalDialog {
 public:
  SettingsDialog(const ui::ProgramIcons& icons, Options& options)
      : icons_(icons), options_(options) {}

  bool Show(HWND owner) {
    return Run(owner, {settings_layout::kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                       WS_EX_TOOLWINDOW, settings_layout::kClientWidthTwips,
                       settings_layout::kClientHeightTwips, settings_layout::Controls(),
                       icons_.program.get(), icons_.programSmall.get()}) != -1;
  }

 protected:
  bool OnInit() override {
    UseClassicFrames();
    FillLists();
    for (std::size_t row = 0; row < kOptions.size(); ++row) SetCheck(row);
    ::SetFocus(Item(loadIntoMemoryBox));
    return false;
  }

  bool OnCommand(int id, int code, HWND control) override {
    // Typing stores at once; a choice from the list waits for the close.
    // The texts set while the window is built, before it is shown, are not
    // the user's typing.
    if (code != CBN_EDITCHANGE || !::IsWindowVisible(hwnd()))
      return ModalDialog::OnCommand(id, code, control);
    if (id == displayModeList) {
      options_.displayText = ui::WindowText(control);
      options_.StoreDisplay();
    } else if (id == frameRateList) {
      options_.frameRateText = ui::WindowText(control);
      options_.StoreFrameRate();
    }
    return true;
  }

  bool OnButtonClicked(int id, HWND control) override {
    if (const auto row = OptionRowOfBox(id)) {
      OnOptionClicked(*row);
    } else if (id == associateButton) {
      const AssociationOutcome outcome = RegisterBikAssociation();
      ShowOutcome(outcome, RegisteredMessage(outcome));
    } else if (id == dissociateButton) {
      ShowOutcome(RemoveBikAssociation(), kDissociatedMessage);
    } else if (id == okButton) {
      Close();
    } else {
      return ModalDialog::OnButtonClicked(id, control);
    }
    return true;
  }

  // The window has neither a default nor a cancel button, so Enter (off a
  // push button) and Esc leave it open.
  void OnOK() override {}
  void OnCancel() override {}

  bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    switch (message) {
      // The close box closes as "OK" does; the dialog manager would make it
      // an Esc.
      case WM_CLOSE:
        Close();
        break;
      // The session ends without closing the window; the process goes when
      // this returns, so the close step runs now.
      case WM_ENDSESSION:
        if (!wParam)
          return false;
        StoreLists();
        break;
      default:
        return false;
    }
    result = 0;
    return true;
  }

 private:
  void Close() {
    StoreLists();
    End(IDOK);
  }

  void StoreLists() {
    options_.displayText = ui::WindowText(Item(displayModeList));
    options_.frameRateText = ui::WindowText(Item(frameRateList));
    options_.Save();
  }

  void SetCheck(std::size_t row) {
    ::SendMessageW(Item(kOptions[row].boxId), BM_SETCHECK,
                   static_cast<WPARAM>(options_.states[row]), 0);
  }

  void OnOptionClicked(std::size_t row) {
    // The greyed state only ever comes from the file; a click leaves it checked.
    int& state = options_.states[row];
    state = state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    SetCheck(row);
    options_.StoreBox(row);
  }

  // The association's confirmation, or what failed, over this window.
  void ShowOutcome(const AssociationOutcome& outcome, const std::wstring& confirmation) const {
    if (!outcome.failure) {
      ShowMessage(confirmation, kAssociationTitle);
      return;
    }
    const Failure& failure = *outcome.failure;
    ShowMessage(FailureText(failure, win::SystemErrorText(failure.systemCode)), kErrorTitle);
  }

  void UseClassicFrames() {
    // The themed group box sizes its caption a pixel or two short in some
    // renderers (Wine's among them) and loses the final colon of captions
    // such as "Статистика:"; the classic one draws the caption at its width.
    // Without the theme library the frames are classic already.
    const auto setTheme =
        win::SystemFunction<decltype(::SetWindowTheme)>(L"uxtheme.dll", "SetWindowTheme");
    for (const ui::ControlSpec& spec : settings_layout::Controls()) {
      if (setTheme && spec.kind == ui::ControlKind::frame)
        setTheme(Item(spec.id), L" ", L" ");
    }
  }

  void FillLists() {
    const std::wstring texts[] = {options_.displayText, options_.frameRateText, kColourDepthText,
                                  kMemoryText};
    const int ids[] = {displayModeList, frameRateList, colourDepthList, memoryList};
    for (std::size_t i = 0; i < std::size(ids); ++i) {
      HWND list = Item(ids[i]);
      for (const wchar_t* entry : settings_layout::ListEntries(ids[i]))
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
      ::SetWindowTextW(list, texts[i].c_str());
    }
  }

  const ui::ProgramIcons& icons_;
  Options& options_;
};

}  // namespace

bool EditSettings(HWND owner, const ui::ProgramIcons& icons, Options& options) {
  SettingsDialog dialog(icons, options);
  return dialog.Show(owner);
}

}  // namespace vintrel
