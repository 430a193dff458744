#include "settings/settings_dialog.h"

#include <uxtheme.h>

#include <cstdint>
#include <limits>

#include "app/app_error.h"
#include "app/main_window.h"
#include "dialogs/message_box.h"
#include "res/resource_ids.h"
#include "settings/ini_file.h"
#include "res/settings_dialog_ids.h"
#include "settings/settings_layout.h"
#include "settings/settings_values.h"
#include "shell/file_association.h"
#include "ui/modal.h"
#include "ui/twips.h"

namespace vintrel {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// Index into kOptions, or -1.
int OptionIndexById(int id) {
  for (size_t i = 0; i < kOptions.size(); ++i) {
    if (kOptions[i].controlId == id)
      return static_cast<int>(i);
  }
  return -1;
}

const OptionSpec* OptionById(int id) {
  const int index = OptionIndexById(id);
  return index < 0 ? nullptr : &kOptions[static_cast<size_t>(index)];
}

const OptionSpec* OptionByKey(std::wstring_view key) {
  for (const OptionSpec& option : kOptions) {
    if (key == option.key)
      return &option;
  }
  return nullptr;
}

const wchar_t* DesignedText(int id) {
  for (const ui::ControlSpec& spec : settings_layout::Controls()) {
    if (spec.id == id)
      return spec.text;
  }
  return L"";
}

}  // namespace

void SettingsDialog::Load() {
  if (IsLoaded())
    return;
  // The designed state: every box cleared, the lists at their designed texts.
  states_.fill(BST_UNCHECKED);
  displayText_ = DesignedText(settings_ids::de1);
  frameRateText_ = DesignedText(settings_ids::fe);
  loaded_ = true;
  mayStore_ = false;

  RunLoadStep();
  mayStore_ = true;
}

bool SettingsDialog::Realize() {
  if (IsCreated())
    return true;
  const int dpi = ui::ScreenDpi();
  const int smallSize = ::GetSystemMetrics(SM_CXSMICON);
  smallIcon_.reset(
      static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_BULLSEYE),
                                      IMAGE_ICON, smallSize, smallSize, LR_DEFAULTCOLOR)));
  const Frame frame{L"VintrelSettingsWindow",
                    kStyle,
                    WS_EX_TOOLWINDOW,
                    owner_,
                    ui::TwipsToPixels(settings_layout::kClientWidthTwips, dpi),
                    ui::TwipsToPixels(settings_layout::kClientHeightTwips, dpi),
                    ProgramIcon(),
                    smallIcon_.get()};
  if (!Create(frame))
    return false;
  ::SetWindowTextW(hwnd(), settings_layout::kCaption);
  controls_.emplace();
  controls_->Build(hwnd(), settings_layout::Controls());
  UseClassicFrames();
  FillLists();
  for (size_t i = 0; i < kOptions.size(); ++i) {
    ::SendMessageW(Item(kOptions[i].controlId), BM_SETCHECK, static_cast<WPARAM>(states_[i]), 0);
  }
  SetListText(settings_ids::de1, displayText_);
  SetListText(settings_ids::fe, frameRateText_);
  lastFocus_ = Item(settings_ids::pe);
  return true;
}

void SettingsDialog::AcceptRecoveredDefaults() {
  if (IsLoaded())
    mayStore_ = true;
}

void SettingsDialog::ShowModal() {
  // A window whose load stopped at an unreadable value shows designed texts,
  // not the file: read the file again rather than show it.
  if (IsLoaded() && !mayStore_)
    Discard();
  if (!IsLoaded()) {
    try {
      Load();
    } catch (const AppError& error) {
      Discard();
      ShowProgramMessage(LoadErrorText(error), kErrorTitle);
      return;
    }
  }
  if (!Realize()) {
    Discard();
    ShowProgramMessage(LoadErrorText(AppError(7, L"Недостаточно памяти")), kErrorTitle);
    return;
  }
  modal_ = true;
  ui::RunModal(hwnd(), owner_);
  modal_ = false;
}

void SettingsDialog::Unload() {
  if (!IsLoaded())
    return;
  if (mayStore_) {
    StoreFrameRate();
    StoreDisplay();
  }
  Dismiss();
}

void SettingsDialog::Discard() {
  if (IsLoaded())
    Dismiss();
}

void SettingsDialog::Dismiss() {
  if (modal_ && IsCreated())
    ui::ReleaseOwner(hwnd());
  Destroy();
  loaded_ = false;
  mayStore_ = false;
}

void SettingsDialog::OnDestroyed() {
  controls_.reset();
  smallIcon_.reset();
  lastFocus_ = nullptr;
  mayStore_ = false;
  modal_ = false;
  // The controls were the live copy while the window stood.
  loaded_ = false;
}

int SettingsDialog::OptionState(std::wstring_view key) const {
  const OptionSpec* option = OptionByKey(key);
  if (!option || !IsLoaded())
    return 0;
  return states_[static_cast<size_t>(option - kOptions.data())];
}

void SettingsDialog::SetOptionState(std::wstring_view key, int state) {
  Load();
  const OptionSpec* option = OptionByKey(key);
  if (!option)
    return;
  if (state < std::numeric_limits<int16_t>::min() || state > std::numeric_limits<int16_t>::max()) {
    throw errors::InvalidPropertyValue();
  }
  AssignState(option->controlId, CheckBoxState(static_cast<int16_t>(state)));
}

std::wstring SettingsDialog::DisplayText() const {
  return IsLoaded() ? ListText(settings_ids::de1) : std::wstring();
}

std::wstring SettingsDialog::FrameRateText() const {
  return IsLoaded() ? ListText(settings_ids::fe) : std::wstring();
}

std::wstring SettingsDialog::ListText(int id) const {
  // A shown list holds what the user typed or chose.
  if (IsCreated())
    return ui::WindowText(Item(id));
  return id == settings_ids::de1 ? displayText_ : frameRateText_;
}

void SettingsDialog::UseClassicFrames() {
  // The themed group box sizes its caption a pixel or two short in some
  // renderers (Wine's among them) and loses the final colon of captions
  // such as "Статистика:"; the classic one draws the caption at its width.
  for (const ui::ControlSpec& spec : settings_layout::Controls()) {
    if (spec.kind == ui::ControlKind::frame)
      ::SetWindowTheme(Item(spec.id), L" ", L" ");
  }
}

void SettingsDialog::FillLists() {
  for (const int id : {settings_ids::de1, settings_ids::fe, settings_ids::de2, settings_ids::ee}) {
    HWND list = Item(id);
    for (const wchar_t* entry : settings_layout::ListEntries(id)) {
      ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SetListText(id, DesignedText(id));
  }
}

void SettingsDialog::RunLoadStep() {
  // Stops at the first value that cannot be applied; the boxes after it keep
  // their designed state and the caller decides what the error means.
  for (const OptionSpec& option : kOptions) {
    const int16_t stored = ToInteger16(BinkHint::ReadSetting(option.key));
    AssignState(option.controlId, CheckBoxState(stored));
  }
  // A matching stored value is written back at once, in its normal form.
  if (const auto text = DisplayTextForStored(BinkHint::ReadSetting(kDisplayKey))) {
    SetListText(settings_ids::de1, *text);
    StoreDisplay();
  }
  if (const auto text = FrameRateTextForStored(BinkHint::ReadSetting(kFrameRateKey))) {
    SetListText(settings_ids::fe, *text);
    StoreFrameRate();
  }
}

void SettingsDialog::SetListText(int id, const std::wstring& text) {
  if (!IsCreated()) {
    (id == settings_ids::de1 ? displayText_ : frameRateText_) = text;
    return;
  }
  settingText_ = true;
  ::SetWindowTextW(Item(id), text.c_str());
  settingText_ = false;
}

void SettingsDialog::AssignState(int id, int state) {
  const int index = OptionIndexById(id);
  if (index < 0 || states_[static_cast<size_t>(index)] == state)
    return;
  states_[static_cast<size_t>(index)] = state;
  if (IsCreated())
    ::SendMessageW(Item(id), BM_SETCHECK, static_cast<WPARAM>(state), 0);
  StoreOption(id);
}

void SettingsDialog::OnOptionClicked(int id) {
  // The greyed state only ever comes from the file; a click leaves it checked.
  const int index = OptionIndexById(id);
  if (index < 0)
    return;
  const bool checked = states_[static_cast<size_t>(index)] == BST_CHECKED;
  AssignState(id, checked ? BST_UNCHECKED : BST_CHECKED);
}

void SettingsDialog::StoreOption(int id) {
  const int index = OptionIndexById(id);
  if (index < 0)
    return;
  if (const auto text = StoredTextForState(states_[static_cast<size_t>(index)]))
    BinkHint::WriteSetting(kOptions[static_cast<size_t>(index)].key, *text);
}

void SettingsDialog::StoreDisplay() {
  const auto stored = DisplayStoredForText(ListText(settings_ids::de1));
  if (stored)
    BinkHint::WriteSetting(kDisplayKey, *stored);
}

void SettingsDialog::StoreFrameRate() {
  const auto stored = FrameRateStoredForText(ListText(settings_ids::fe));
  if (stored)
    BinkHint::WriteSetting(kFrameRateKey, *stored);
}

void SettingsDialog::OnCommand(int id, int code, HWND control) {
  // Menus, accelerators and the dialog manager's Enter and Escape come
  // without a control; this window has no default or cancel button.
  if (!control)
    return;
  if (OptionById(id)) {
    if (code == BN_CLICKED)
      OnOptionClicked(id);
    return;
  }
  switch (id) {
    case settings_ids::de1:
      // Typing stores at once; a choice from the list waits for the close.
      if (code == CBN_EDITCHANGE && !settingText_)
        StoreDisplay();
      break;
    case settings_ids::fe:
      if (code == CBN_EDITCHANGE && !settingText_)
        StoreFrameRate();
      break;
    case settings_ids::Command1:
      if (code == BN_CLICKED)
        RegisterBikAssociation();
      break;
    case settings_ids::Command3:
      if (code == BN_CLICKED)
        RemoveBikAssociation();
      break;
    case settings_ids::Command2:
      if (code == BN_CLICKED)
        Unload();
      break;
    default:
      break;
  }
}

void SettingsDialog::OnActivate(bool active) {
  // Keep the focused control across switches to other windows, as a dialog
  // box does; the first activation focuses "pe".
  if (!active) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(hwnd(), focus))
      lastFocus_ = focus;
    return;
  }
  HWND target = lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : Item(settings_ids::pe);
  ::SetFocus(target);
}

LRESULT SettingsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vintrel
