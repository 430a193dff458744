#include "app/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/captions.h"
#include "app/command_line.h"
#include "app/info_panel.h"
#include "app/main_layout.h"
#include "bink/bink_report.h"
#include "bink/file_choice.h"
#include "common/app_error.h"
#include "dialogs/about_dialog.h"
#include "dialogs/details_dialog.h"
#include "dialogs/message_box.h"
#include "playback/play.h"
#include "playback/player_command.h"
#include "res/folder_window_ids.h"
#include "res/main_window_ids.h"
#include "settings/ini_file.h"
#include "settings/settings_dialog.h"
#include "settings/settings_file.h"
#include "ui/controls.h"
#include "ui/start_phases.h"
#include "ui/unique_handle.h"

namespace vintrel {

bool MainWindow::Create() {
  const Frame frame{L"VintrelMainWindow", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                    // Accepts drops from the first moment without loading the
                    // shell library, which only the drop itself needs.
                    WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, nullptr, main_layout::kClientWidthTwips,
                    main_layout::kClientHeightTwips, icons_.window.get(), icons_.windowSmall.get()};
  if (!Window::Create(frame))
    return false;
  controls_.Build(hwnd(), main_layout::Controls());
  ::SendMessageW(Item(main_ids::PicBullsEye), STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon()),
                 0);
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

void MainWindow::SetStatus(const std::wstring& text) {
  ::SendMessageW(Item(main_ids::Status), SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

bool MainWindow::Load(std::wstring_view arguments) {
  ::ShowWindow(hwnd(), SW_SHOWNORMAL);
  ::UpdateWindow(hwnd());
  ::SetFocus(Item(main_ids::Command1));
  VINTREL_START_PHASE("painted");

  // The error trap: the first failure abandons the rest of the caption and
  // option work and is reported on the status line, never in a box.
  int number = 0;
  std::wstring description;
  try {
    const std::wstring caption = MainWindowCaption(kApplicationTitle, kVersion, kCompanyName);
    ::SetWindowTextW(hwnd(), caption.c_str());
    Options options;
    settings_file::Load(options);
    settings_file::LoadStates(options);
    startupOptions_ = std::move(options);
  } catch (const AppError& error) {
    number = error.number();
    description = error.description();
  }
  SetStatus(LoadStatusText(number, description));
  if (number == errors::kTypeMismatch) {
    BinkHint::RunSettingsRecovery();
    SetStatus(RecoveryStatusText(number, description));
    // From here on the options are the rewritten file's. A file that refused
    // the rewrite is read again, and reported, at the first use.
    try {
      Options options;
      settings_file::Load(options);
      startupOptions_ = std::move(options);
    } catch (const AppError&) {
    }
  }

  const std::wstring quote = ui::WindowText(Item(main_ids::kov));
  const std::optional<std::wstring> file = FileFromArguments(arguments, quote);
  if (!file || OpenIfFolder(*file))
    return false;
  ::SetWindowTextW(Item(main_ids::bikfile), file->c_str());
  Play();
  return true;
}

std::optional<Options> MainWindow::TakeOptions() {
  if (std::optional<Options> held = std::exchange(startupOptions_, std::nullopt))
    return held;
  Options loaded;
  try {
    try {
      settings_file::Load(loaded);
      return loaded;
    } catch (const settings_file::ValueError& error) {
      // A value that cannot be applied, in a file that can be read: the
      // usual settings may replace it, at the user's word only. A file that
      // cannot be written either gets the plain report.
      if (!BinkHint::SettingsFileWritable())
        throw;
      const std::wstring offer =
          RewriteOfferText(error.key(), BinkHint::SettingsFilePath(), LoadErrorText(error));
      if (MsgBoxWithIcon(offer, MB_YESNO | MB_ICONQUESTION, kErrorTitle, ProgramIcon()) != IDYES)
        return std::nullopt;
      settings_file::RewriteAndLoad(loaded);
      SetStatus(RecoveryStatusText(error.number(), error.description()));
      return loaded;
    }
  } catch (const AppError& error) {
    // A file edited by hand, locked, or refusing the rewrite: nothing to
    // work with, and nothing half-read may be played or stored back.
    ShowProgramMessage(LoadErrorText(error), kErrorTitle, ProgramIcon());
    return std::nullopt;
  }
}

void MainWindow::Browse() {
  if (const auto path = AskForFile(hwnd()))
    ShowFile(*path);
}

void MainWindow::Drop(HDROP drop) {
  if (const auto path = DroppedFile(hwnd(), drop); path && !OpenIfFolder(*path))
    ShowFile(*path);
}

void MainWindow::ShowFile(const std::wstring& path) {
  // Whatever goes wrong once a file is chosen ends the flow without a word;
  // the labels already set keep their new text.
  current_.reset();
  try {
    current_ = ShowFileInPanel(hwnd(), path, ProgramIcon());
    currentPath_ = path;
  } catch (const std::exception&) {
  }
}

void MainWindow::ShowPanelMenu(LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  RECT panel{};
  ::GetWindowRect(Item(main_ids::Frame1), &panel);
  if (at == -1) {  // from the keyboard: at the panel's corner
    point = {panel.left + controls_.Pixels(120), panel.top + controls_.Pixels(240)};
  } else {
    RECT audio{};
    ::GetWindowRect(Item(main_ids::Frame2), &audio);
    if (!::PtInRect(&panel, point) && !::PtInRect(&audio, point))
      return;
  }
  struct MenuTraits {
    using Type = HMENU;
    static Type Empty() { return nullptr; }
    static void Release(Type menu) { ::DestroyMenu(menu); }
  };
  const ui::UniqueHandle<MenuTraits> menu(::CreatePopupMenu());
  if (!menu)
    return;
  const UINT state = current_ ? MF_ENABLED : MF_GRAYED;
  // The tab puts the shortcut in the menu's own column. Wine starts that
  // column right at the end of the widest text, where Windows leaves a gap:
  // the blanks keep the two apart there, and widen the gap a little here.
  ::AppendMenuW(menu.get(), MF_STRING | state, main_ids::CopyFacts,
                L"Копировать сведения  \tCtrl+C");
  ::AppendMenuW(menu.get(), MF_STRING | state, main_ids::ShowDetails, L"Сведения о файле…");
  ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.get(), MF_STRING, folder_ids::ChooseFolder, L"Папка с видео…");
  ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                   hwnd(), nullptr);
}

void MainWindow::CopyFacts() {
  if (!current_ || !::OpenClipboard(hwnd()))
    return;
  // The table's line breaks as the system's text has them.
  std::wstring text;
  for (const wchar_t c : ui::Widen(vintrel::CopyText(ui::Narrow(currentPath_), *current_))) {
    if (c == L'\n')
      text += L'\r';
    text += c;
  }
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* data = ::GlobalLock(memory)) {
      std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(data));
      ::GlobalUnlock(memory);
      if (::SetClipboardData(CF_UNICODETEXT, memory))
        memory = nullptr;  // the clipboard owns it now
    }
    if (memory)
      ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

bool MainWindow::TranslateKey(const MSG& msg) {
  // Ctrl+C arrives as the character 3. The path box copies its own
  // selection; anywhere else it copies the file's facts.
  if (msg.message != WM_CHAR || msg.wParam != 3)
    return false;
  if (msg.hwnd == Item(main_ids::bikfile)) {
    DWORD from = 0;
    DWORD to = 0;
    ::SendMessageW(msg.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                   reinterpret_cast<LPARAM>(&to));
    if (from != to)
      return false;
  }
  CopyFacts();
  return true;
}

void MainWindow::Play() {
  PlayPath(ui::WindowText(Item(main_ids::bikfile)));
}

void MainWindow::PlayPath(const std::wstring& file) {
  const std::optional<Options> options = TakeOptions();
  if (!options)
    return;
  const std::wstring switches = BuildSwitches(*options);
  settings_file::Save(*options);
  SetStatus(switches);
  PlayFile(file, switches, ProgramIcon());
}

void MainWindow::EditSettings() {
  std::optional<Options> options = TakeOptions();
  if (options && !vintrel::EditSettings(hwnd(), icons_, *options))
    ShowProgramMessage(LoadErrorText(errors::OutOfMemory()), kErrorTitle, ProgramIcon());
}

void MainWindow::OnCommand(int id, int code, HWND) {
  if (id == main_ids::CopyFacts) {
    CopyFacts();
    return;
  }
  if (id == folder_ids::ChooseFolder) {
    ChooseFolder();
    return;
  }
  if (id == main_ids::ShowDetails) {
    if (current_)
      ShowFileDetails(hwnd(), ProgramIcon(), currentPath_, *current_);
    return;
  }
  if (code != BN_CLICKED)
    return;
  switch (id) {
    case main_ids::cmdAddFile:
      Browse();
      break;
    case main_ids::Command1:
      Play();
      break;
    case main_ids::Command2:
      EditSettings();
      break;
    case main_ids::Command4:
      ShowAboutDialog(hwnd());
      break;
    default:
      break;
  }
}

void MainWindow::OnClose() {
  if (startupOptions_)
    settings_file::Save(*startupOptions_);
  startupOptions_.reset();
  folder_.reset();
  Destroy();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CONTEXTMENU:
      ShowPanelMenu(lParam);
      return 0;
    case WM_DROPFILES:
      Drop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_SIZE:
      ::SendMessageW(Item(main_ids::Status), WM_SIZE, 0, 0);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vintrel
