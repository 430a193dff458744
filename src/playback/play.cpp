#include "playback/play.h"

#include <windows.h>

#include "app/app_error.h"
#include "app/main_window.h"
#include "app/program_location.h"
#include "dialogs/message_box.h"
#include "playback/player_command.h"
#include "ui/system_error.h"
#include "ui/unique_handle.h"

namespace vintrel {
namespace {

// Starts the player with its window shown normally; never waits for it.
void StartPlayer(const std::wstring& playerPath, const std::wstring& filePath,
                 const std::wstring& switches) {
  std::wstring commandLine = BuildPlayerCommandLine(playerPath, filePath, switches);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  // The full path as the application name as well: a folder with blanks
  // must never let the system guess at a shorter program name.
  if (!::CreateProcessW(playerPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
    const DWORD error = ::GetLastError();
    ShowProgramMessage(
        L"Не удалось запустить проигрыватель " + playerPath + L"\n" + ui::SystemErrorText(error),
        kErrorTitle);
    return;
  }
  ui::UniqueKernelHandle process(started.hProcess);
  ui::UniqueKernelHandle thread(started.hThread);
}

}  // namespace

void PlayCurrentFile(MainWindow& window) {
  SettingsDialog& settings = window.settings();
  try {
    settings.Load();
  } catch (const AppError& error) {
    // A file edited by hand while the program runs: nothing to play with,
    // and nothing half-read may be stored back.
    settings.Discard();
    ShowProgramMessage(LoadErrorText(error), kErrorTitle);
    return;
  }
  const std::wstring switches =
      BuildSwitches([&settings](std::wstring_view key) { return settings.OptionState(key); },
                    settings.DisplayText(), settings.FrameRateText());
  settings.Unload();

  window.SetStatus(switches);
  const std::wstring file = window.CurrentFile();
  if (file.empty()) {
    ShowProgramMessage(L"Сначала необходимо выбрать файл.", kErrorTitle);
    return;
  }
  StartPlayer(PlayerPath(ProgramFolder()), file, switches);
}

}  // namespace vintrel
