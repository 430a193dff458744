#include "app/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/captions.h"
#include "app/command_line.h"
#include "app/dropped_file.h"
#include "app/info_panel.h"
#include "app/main_layout.h"
#include "app/panel_menu.h"
#include "bink/bink_report.h"
#include "common/app_error.h"
#include "common/failure.h"
#include "common/path_folder.h"
#include "dialogs/about_dialog.h"
#include "dialogs/details_dialog.h"
#include "dialogs/message_box.h"
#include "dialogs/open_file.h"
#include "playback/play.h"
#include "playback/player_command.h"
#include "res/folder_window_ids.h"
#include "res/main_window_ids.h"
#include "settings/ini_file.h"
#include "settings/settings_dialog.h"
#include "settings/settings_file.h"
#include "ui/controls.h"
#include "win/start_phases.h"
#include "win/system_error.h"
#include "win/unique_handle.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

// A failure the user asked about, in the program's box over the window.
void ShowFailure(const Failure& failure) {
  ShowMessage(FailureText(failure, win::SystemErrorText(failure.systemCode)), kErrorTitle);
}

}  // namespace

bool MainWindow::Create() {
  const Frame frame{L"VintrelMainWindow", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                    // Accepts drops from the first moment without loading the
                    // shell library, which only the drop itself needs.
                    WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, nullptr, main_layout::kClientWidthTwips,
                    main_layout::kClientHeightTwips, icons_.window.get(), icons_.windowSmall.get(),
                    main_layout::Controls()};
  if (!Window::Create(frame))
    return false;
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
    contentBottom = std::max(contentBottom, Pixels(r.top + r.height));
  }
  RECT bar{};
  ::GetWindowRect(Item(main_ids::statusBar), &bar);
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int needed = contentBottom + (bar.bottom - bar.top);
  if (needed <= client.bottom)
    return;
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + needed - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetStatus(const std::wstring& text) {
  ::SendMessageW(Item(main_ids::statusBar), SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

bool MainWindow::Load(std::wstring_view arguments) {
  ::ShowWindow(hwnd(), SW_SHOWNORMAL);
  ::UpdateWindow(hwnd());
  ::SetFocus(Item(main_ids::playButton));
  VINTREL_START_PHASE("painted");

  // The first failure abandons the rest of the option work and is reported
  // on the status line, never in a box.
  const std::wstring caption = MainWindowCaption(kApplicationTitle, kVersion, kCompanyName);
  ::SetWindowTextW(hwnd(), caption.c_str());
  Options options;
  const std::optional<Failure> failure = settings_file::LoadAtStart(options);
  if (!failure)
    startupOptions_ = std::move(options);
  const int number = failure ? FailureNumber(failure->kind) : 0;
  const std::wstring description = failure ? FailureDescription(*failure) : L"";
  SetStatus(LoadStatusText(number, description));
  if (failure && failure->kind == FailureKind::typeMismatch) {
    settings_file::Recover();
    SetStatus(RecoveryStatusText(number, description));
    // From here on the options are the rewritten file's. A file that refused
    // the rewrite, or fails again, is reported at the first use, not here.
    Options recovered;
    if (!recovered.Load())
      startupOptions_ = std::move(recovered);
  }

  const std::optional<std::wstring> file = FileFromArguments(arguments);
  if (!file || OpenIfFolder(*file))
    return false;
  ::SetWindowTextW(Item(main_ids::filePathBox), file->c_str());
  Play();
  return true;
}

std::optional<Options> MainWindow::TakeOptions() {
  if (std::optional<Options> held = std::exchange(startupOptions_, std::nullopt))
    return held;
  Options loaded;
  std::optional<Failure> failure = loaded.Load();
  // A value that cannot be applied, in a file that can be read and written:
  // the usual settings may replace it, at the user's word only.
  if (failure && settings_file::IsValueFailure(*failure) && ini::Writable()) {
    const std::wstring offer =
        RewriteOfferText(failure->object, ini::FilePath(), FailureText(*failure));
    if (ShowMessage(offer, kErrorTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
      return std::nullopt;
    const Failure value = *failure;
    failure = settings_file::Recover();
    if (!failure)
      failure = loaded.Load();
    if (!failure)
      SetStatus(RecoveryStatusText(FailureNumber(value.kind), FailureDescription(value)));
  }
  if (!failure)
    return loaded;
  // A file edited by hand, locked, or refusing the rewrite: nothing to work
  // with, and nothing half-read may be played or stored back.
  ShowFailure(*failure);
  return std::nullopt;
}

void MainWindow::Browse() {
  if (const auto path = AskForFile(hwnd(), lastFolder_))
    ShowFile(*path);
}

void MainWindow::Drop(HDROP drop) {
  if (const auto path = DroppedFile(hwnd(), drop); path && !OpenIfFolder(*path))
    ShowFile(*path);
}

void MainWindow::ShowFile(const std::wstring& path) {
  if (std::wstring folder = FolderOf(path); !folder.empty())
    lastFolder_ = std::move(folder);
  // Whatever goes wrong once a file is chosen ends the flow without a word;
  // the labels already set keep their new text.
  current_.reset();
  try {
    current_ = ShowFileInPanel(hwnd(), path);
    currentPath_ = path;
  } catch (const std::exception&) {
  }
}

void MainWindow::ShowPanelMenu(LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  RECT video{};
  RECT audio{};
  ::GetWindowRect(Item(main_ids::videoGroup), &video);
  ::GetWindowRect(Item(main_ids::audioGroup), &audio);
  if (at == -1)  // from the keyboard: at the panel's corner
    point = {video.left + Pixels(120), video.top + Pixels(240)};
  else if (!::PtInRect(&video, point) && !::PtInRect(&audio, point))
    return;
  TrackPanelMenu(hwnd(), point, current_.has_value());
}

void MainWindow::CopyFacts() {
  if (current_)
    CopyToClipboard(hwnd(), CopyText(win::Narrow(currentPath_), *current_));
}

bool MainWindow::TranslateKey(const MSG& msg) {
  // Ctrl+C arrives as the character 3. The path box copies its own
  // selection; anywhere else it copies the file's facts.
  if (msg.message != WM_CHAR || msg.wParam != 3)
    return false;
  if (msg.hwnd == Item(main_ids::filePathBox)) {
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
  PlayPath(ui::WindowText(Item(main_ids::filePathBox)));
}

void MainWindow::PlayPath(const std::wstring& file) {
  const std::optional<Options> options = TakeOptions();
  if (!options)
    return;
  const std::wstring switches = BuildSwitches(*options);
  options->Save();
  SetStatus(switches);
  if (const auto failure = PlayFile(file, switches))
    ShowFailure(*failure);
}

void MainWindow::EditSettings() {
  std::optional<Options> options = TakeOptions();
  if (options && !vintrel::EditSettings(hwnd(), icons_, *options))
    ShowFailure({FailureKind::outOfMemory});
}

void MainWindow::OnCommand(int id, int code, HWND) {
  if (id == main_ids::copyFactsCommand) {
    CopyFacts();
    return;
  }
  if (id == folder_ids::chooseFolderCommand) {
    ChooseFolder();
    return;
  }
  if (id == main_ids::showDetailsCommand) {
    if (current_)
      ShowFileDetails(hwnd(), ProgramIcon(), currentPath_, *current_);
    return;
  }
  if (code != BN_CLICKED)
    return;
  switch (id) {
    case main_ids::browseButton:
      Browse();
      break;
    case main_ids::playButton:
      Play();
      break;
    case main_ids::settingsButton:
      EditSettings();
      break;
    case main_ids::aboutButton:
      ShowAboutDialog(hwnd());
      break;
    default:
      break;
  }
}

void MainWindow::OnClose() {
  if (startupOptions_)
    startupOptions_->Save();
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
      ::SendMessageW(Item(main_ids::statusBar), WM_SIZE, 0, 0);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vintrel
