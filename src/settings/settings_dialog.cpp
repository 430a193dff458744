#include "settings/settings_dialog.h"

#include <uxtheme.h>

#include <string>

#include "res/settings_dialog_ids.h"
#include "settings/settings_file.h"
#include "settings/settings_layout.h"
#include "shell/file_association.h"
#include "ui/controls.h"
#include "ui/modal.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

using namespace settings_ids;

// Index into kOptions, or -1.
int OptionIndexById(int id) {
  for (size_t i = 0; i < kOptions.size(); ++i) {
    if (kOptions[i].controlId == id)
      return static_cast<int>(i);
  }
  return -1;
}

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
      ::SendMessageW(Item(kOptions[i].controlId), BM_SETCHECK,
                     static_cast<WPARAM>(options_.states[i]), 0);
    }
    RunModal();
    return true;
  }

 protected:
  HWND InitialFocus() const override { return Item(pe); }

  void OnCommand(int id, int code, HWND control) override {
    // Menus, accelerators and the dialog manager's Enter and Escape come
    // without a control; this window has no default or cancel button.
    if (!control)
      return;
    if (const int index = OptionIndexById(id); index >= 0) {
      if (code == BN_CLICKED)
        OnOptionClicked(static_cast<size_t>(index));
      return;
    }
    // Typing stores at once; a choice from the list waits for the close.
    // The texts set while the window is built, before it is shown, are not
    // the user's typing.
    const bool typed = code == CBN_EDITCHANGE && ::IsWindowVisible(hwnd());
    switch (id) {
      case de1:
        if (typed) {
          options_.displayText = ui::WindowText(control);
          settings_file::StoreDisplay(options_);
        }
        break;
      case fe:
        if (typed) {
          options_.frameRateText = ui::WindowText(control);
          settings_file::StoreFrameRate(options_);
        }
        break;
      case Command1:
        if (code == BN_CLICKED)
          RegisterBikAssociation(icons_.program.get());
        break;
      case Command3:
        if (code == BN_CLICKED)
          RemoveBikAssociation(icons_.program.get());
        break;
      case Command2:
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
  void StoreLists() {
    options_.displayText = ui::WindowText(Item(de1));
    options_.frameRateText = ui::WindowText(Item(fe));
    settings_file::Save(options_);
  }

  void OnOptionClicked(size_t index) {
    // The greyed state only ever comes from the file; a click leaves it checked.
    int& state = options_.states[index];
    state = state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    ::SendMessageW(Item(kOptions[index].controlId), BM_SETCHECK, static_cast<WPARAM>(state), 0);
    settings_file::StoreState(options_, index);
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
    const int ids[] = {de1, fe, de2, ee};
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
