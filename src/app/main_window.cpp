#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/app_error.h"
#include "app/captions.h"
#include "app/command_line.h"
#include "app/main_layout.h"
#include "res/main_window_ids.h"
#include "app/version_info.h"
#include "bink/file_panel.h"
#include "dialogs/about_dialog.h"
#include "playback/play.h"
#include "res/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/settings_values.h"
#include "ui/twips.h"

namespace vintrel {
namespace {

MainWindow* g_mainWindow = nullptr;

HICON LoadIconSized(int id, int size) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

HICON ProgramIcon() {
  return g_mainWindow ? g_mainWindow->ProgramIcon() : nullptr;
}

MainWindow::MainWindow() {
  g_mainWindow = this;
}

MainWindow::~MainWindow() {
  if (g_mainWindow == this)
    g_mainWindow = nullptr;
}

bool MainWindow::Create() {
  const int dpi = ui::ScreenDpi();
  bigIcon_.reset(LoadIconSized(IDI_MAIN, ::GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(LoadIconSized(IDI_MAIN, ::GetSystemMetrics(SM_CXSMICON)));
  programIcon_.reset(LoadIconSized(IDI_BULLSEYE, ::GetSystemMetrics(SM_CXICON)));

  const Frame frame{L"VintrelMainWindow",
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                    WS_EX_APPWINDOW,
                    nullptr,
                    ui::TwipsToPixels(main_layout::kClientWidthTwips, dpi),
                    ui::TwipsToPixels(main_layout::kClientHeightTwips, dpi),
                    bigIcon_.get(),
                    smallIcon_.get()};
  if (!Window::Create(frame))
    return false;
  settings_.SetOwner(hwnd());
  controls_.Build(hwnd(), main_layout::Controls());
  ::SendMessageW(Item(main_ids::PicBullsEye), STM_SETICON,
                 reinterpret_cast<WPARAM>(programIcon_.get()), 0);
  ::DragAcceptFiles(hwnd(), TRUE);
  MakeRoomForStatusBar();
  return true;
}

void MainWindow::MakeRoomForStatusBar() {
  // The status bar takes the height its font needs, which with some system
  // fonts is more than the 255 twips it was drawn with; grow the window by
  // the difference rather than let the bar cover the frames' lower edges.
  int contentBottom = 0;
  const auto table = main_layout::Controls();
  for (const ui::ControlSpec& spec : table) {
    if (spec.kind == ui::ControlKind::statusBar || (spec.flags & ui::kHidden))
      continue;
    const ui::TwipsRect r = ui::WindowTwipsRect(table, spec);
    contentBottom = std::max(contentBottom, controls_.Pixels(r.top + r.height));
  }
  RECT bar{};
  ::GetWindowRect(Item(main_ids::Status), &bar);
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int needed = contentBottom + (bar.bottom - bar.top);
  if (needed <= client.bottom)
    return;
  RECT frame{0, 0, client.right, needed};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_EXSTYLE)));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring MainWindow::CurrentFile() const {
  return ui::WindowText(Item(main_ids::bikfile));
}

void MainWindow::SetCurrentFile(const std::wstring& path) {
  ::SetWindowTextW(Item(main_ids::bikfile), path.c_str());
}

void MainWindow::SetStatus(const std::wstring& text) {
  ::SendMessageW(Item(main_ids::Status), SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

HICON MainWindow::ProgramIcon() const {
  return reinterpret_cast<HICON>(::SendMessageW(Item(main_ids::PicBullsEye), STM_GETICON, 0, 0));
}

bool MainWindow::Load(std::wstring_view arguments) {
  ::ShowWindow(hwnd(), SW_SHOWNORMAL);
  ::UpdateWindow(hwnd());
  ::SetFocus(Item(main_ids::Command1));

  // The error trap: the first failure abandons the rest of the caption and
  // option work and is reported on the status line, never in a box.
  int number = 0;
  std::wstring description;
  try {
    const ProgramIdentity identity = ReadProgramIdentity();
    const std::wstring caption =
        MainWindowCaption(kApplicationTitle, identity.version, identity.companyName);
    ::SetWindowTextW(hwnd(), caption.c_str());
    ApplyStoredOptions();
  } catch (const AppError& error) {
    number = error.number();
    description = error.description();
  }
  SetStatus(LoadStatusText(number, description));
  if (number == errors::kTypeMismatch) {
    BinkHint::RunSettingsRecovery();
    settings_.AcceptRecoveredDefaults();
    SetStatus(RecoveryStatusText(description));
  }

  const std::wstring quote = ui::WindowText(Item(main_ids::kov));
  const std::optional<std::wstring> file = FileFromArguments(arguments, quote);
  if (!file)
    return false;
  SetCurrentFile(*file);
  PlayCurrentFile(*this);
  return true;
}

void MainWindow::ApplyStoredOptions() {
  for (const wchar_t* key : kOptionKeys) {
    // Touching the settings window loads it first, and its own load step
    // reads every stored option; its errors reach the trap above.
    settings_.Load();
    const int16_t state = ToInteger16(BinkHint::ReadSetting(key));
    settings_.SetOptionState(key, state);
  }
}

void MainWindow::Unload() {
  settings_.Unload();
  Destroy();
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case main_ids::cmdAddFile:
      RunBrowseFlow(*this);
      break;
    case main_ids::Command1:
      PlayCurrentFile(*this);
      break;
    case main_ids::Command2:
      settings_.ShowModal();
      break;
    case main_ids::Command4:
      ShowAboutDialog(hwnd());
      break;
    default:
      break;
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED)
        OnCommand(LOWORD(wParam));
      return 0;
    case WM_DROPFILES:
      DropFiles(*this, reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_SIZE:
      ::SendMessageW(Item(main_ids::Status), WM_SIZE, 0, 0);
      return 0;
    case WM_ACTIVATE:
      // Keep the focused control across switches to other windows, as a
      // dialog box does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd(), focus))
          lastFocus_ = focus;
        return 0;
      }
      if (lastFocus_ && ::IsWindow(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
      }
      return Window::HandleMessage(message, wParam, lParam);
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vintrel
