#include "playback/play.h"

#include <windows.h>

#include "playback/player_command.h"
#include "win/program_location.h"
#include "win/unique_handle.h"

namespace vintrel {
namespace {

// Relative to the folder the program was started in; the player starts
// elsewhere, and a bare "/F" must not reach it as a switch.
std::wstring FullPath(const std::wstring& file) {
  const DWORD size = ::GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = size ? ::GetFullPathNameW(file.c_str(), size, full.data(), nullptr) : 0;
  if (length == 0 || length >= size)
    return file;
  full.resize(length);
  return full;
}

}  // namespace

std::optional<Failure> PlayFile(const std::wstring& file, const std::wstring& switches) {
  if (file.empty())
    return Failure{FailureKind::noFileChosen};
  const std::wstring folder = win::ProgramFolder();
  const std::wstring playerPath = PlayerPath(folder);
  // With its backslash, so that "C:" is the drive's root, not its current folder.
  const std::wstring startIn = folder + L'\\';
  std::wstring commandLine = BuildPlayerCommandLine(playerPath, FullPath(file), switches);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  // The full path as the application name as well: a folder with blanks
  // must never let the system guess at a shorter program name. The player
  // starts in the program's folder, never in the video's (the shell starts
  // us there), where a downloaded DLL could be waiting for it.
  if (!::CreateProcessW(playerPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        startIn.c_str(), &startup, &started)) {
    const DWORD error = ::GetLastError();
    return Failure{FailureKind::playerNotStarted, error, playerPath};
  }
  win::UniqueKernelHandle process(started.hProcess);
  win::UniqueKernelHandle thread(started.hThread);
  return std::nullopt;
}

}  // namespace vintrel
