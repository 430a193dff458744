#include "settings/settings_dialog.h"

#include <uxtheme.h>

#include <string>

#include "dialogs/message_box.h"
#include "res/settings_dialog_ids.h"
#include "settings/settings_file.h"
#include "settings/settings_layout.h"
#include "shell/file_association.h"
#include "ui/controls.h"
#include "ui/modal.h"
#include "ui/system_error.h"
#include "ui/system_library.h"

namespace vintrel {
namespace {

using namespace settings_ids;

class SettingsDialog : public ui::ModalWindow {
 public:
  SettingsDialog(const ui::ProgramIcons& icons, Options& options)
      : icons_(icons), options_(options) {}

  bool Show(HWND owner) {
    const Frame frame{L"VintrelSettingsWindow",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      WS_EX_TOOLWINDOW,
                      owner,
                      settings_layout::kClientWidthTwips,
                      settings_layout::kClientHeightTwips,
                      icons_.program.get(),
                      icons_.programSmall.get()};
    if (!Create(frame))
      return false;
    ::SetWindowTextW(hwnd(), settings_layout::kCaption);
    controls_.Build(hwnd(), settings_layout::Controls());
    UseClassicFrames();
    FillLists();
    for (size_t i = 0; i < kOptions.size(); ++i) {
      ::SendMessageW(Item(kOptions[i].boxId), BM_SETCHECK, static_cast<WPARAM>(options_.states[i]),
                     0);
    }
    RunModal();
    return true;
  }

 protected:
  HWND InitialFocus() const override { return Item(loadIntoMemoryBox); }

  void OnCommand(int id, int code, HWND control) override {
    // Menus, accelerators and the dialog manager's Enter and Escape come
    // without a control; this window has no default or cancel button.
    if (!control)
      return;
    if (const auto row = OptionRowOfBox(id)) {
      if (code == BN_CLICKED)
        OnOptionClicked(*row);
      return;
    }
    // Typing stores at once; a choice from the list waits for the close.
    // The texts set while the window is built, before it is shown, are not
    // the user's typing.
    const bool typed = code == CBN_EDITCHANGE && ::IsWindowVisible(hwnd());
    switch (id) {
      case displayModeList:
        if (typed) {
          options_.displayText = ui::WindowText(control);
          options_.StoreDisplay();
        }
        break;
      case frameRateList:
        if (typed) {
          options_.frameRateText = ui::WindowText(control);
          options_.StoreFrameRate();
        }
        break;
      case associateButton:
        if (code == BN_CLICKED) {
          const AssociationOutcome outcome = RegisterBikAssociation();
          ShowOutcome(outcome, RegisteredMessage(outcome));
        }
        break;
      case dissociateButton:
        if (code == BN_CLICKED)
          ShowOutcome(RemoveBikAssociation(), kDissociatedMessage);
        break;
      case okButton:
        if (code == BN_CLICKED)
          OnClose();
        break;
      default:
        break;
    }
  }

  // "OK" and the close box alike: the close step, then the owner again.
  void OnClose() override {
    StoreLists();
    EndModal();
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // The session ends without closing the window; the process goes when
    // this returns, so the close step runs now.
    if (message == WM_ENDSESSION && wParam) {
      StoreLists();
      return 0;
    }
    return ModalWindow::HandleMessage(message, wParam, lParam);
  }

 private:
  // The association's confirmation, or what failed, over this window.
  void ShowOutcome(const AssociationOutcome& outcome, const std::wstring& confirmation) const {
    HICON icon = icons_.program.get();
    if (!outcome.failure) {
      ShowProgramMessage(confirmation, kAssociationTitle, icon);
      return;
    }
    const Failure& failure = *outcome.failure;
    ShowProgramMessage(
        FailureText(failure, failure.systemCode ? ui::SystemErrorText(failure.systemCode) : L""),
        kErrorTitle, icon);
  }

  void StoreLists() {
    options_.displayText = ui::WindowText(Item(displayModeList));
    options_.frameRateText = ui::WindowText(Item(frameRateList));
    options_.Save();
  }

  void OnOptionClicked(size_t index) {
    // The greyed state only ever comes from the file; a click leaves it checked.
    int& state = options_.states[index];
    state = state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    ::SendMessageW(Item(kOptions[index].boxId), BM_SETCHECK, static_cast<WPARAM>(state), 0);
    options_.StoreBox(index);
  }

  void UseClassicFrames() {
    // The themed group box sizes its caption a pixel or two short in some
    // renderers (Wine's among them) and loses the final colon of captions
    // such as "Статистика:"; the classic one draws the caption at its width.
    // Without the theme library the frames are classic already.
    const auto setTheme =
        ui::SystemFunction<decltype(::SetWindowTheme)>(L"uxtheme.dll", "SetWindowTheme");
    for (const ui::ControlSpec& spec : settings_layout::Controls()) {
      if (setTheme && spec.kind == ui::ControlKind::frame)
        setTheme(Item(spec.id), L" ", L" ");
    }
  }

  void FillLists() {
    const std::wstring texts[] = {options_.displayText, options_.frameRateText, kColourDepthText,
                                  kMemoryText};
    const int ids[] = {displayModeList, frameRateList, colourDepthList, memoryList};
    for (size_t i = 0; i < std::size(ids); ++i) {
      HWND list = Item(ids[i]);
      for (const wchar_t* entry : settings_layout::ListEntries(ids[i]))
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
      ::SetWindowTextW(list, texts[i].c_str());
    }
  }

  const ui::ProgramIcons& icons_;
  Options& options_;
  ui::ControlSet controls_;
};

}  // namespace

bool EditSettings(HWND owner, const ui::ProgramIcons& icons, Options& options) {
  SettingsDialog dialog(icons, options);
  return dialog.Show(owner);
}

}  // namespace vintrel
