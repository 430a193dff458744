#include "playback/play.h"

#include "dialogs/message_box.h"
#include "playback/player_command.h"
#include "ui/program_location.h"
#include "ui/system_error.h"
#include "ui/unique_handle.h"

namespace vintrel {

void PlayFile(const std::wstring& file, const std::wstring& switches, HICON programIcon) {
  if (file.empty()) {
    ShowProgramMessage(L"Сначала необходимо выбрать файл.", kErrorTitle, programIcon);
    return;
  }
  const std::wstring playerPath = PlayerPath(ui::ProgramFolder());
  std::wstring commandLine = BuildPlayerCommandLine(playerPath, file, switches);
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
        kErrorTitle, programIcon);
    return;
  }
  ui::UniqueKernelHandle process(started.hProcess);
  ui::UniqueKernelHandle thread(started.hThread);
}

}  // namespace vintrel
