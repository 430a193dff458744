// Stands in for the Bink player (installed as vintrel.dll beside the program)
// and for the browser and mail program (registered for links as C:\vt\rec.exe).
// Each start appends its unchanged command line, UTF-16, as one line to
// calls.log in its own folder, so a test sees exactly what it was given, and
// first the folder it was started in to folders.log.
#include <windows.h>

#include <string>

#include "win/unique_handle.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH], current[MAX_PATH];
  std::wstring folder(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  folder.resize(folder.find_last_of(L'\\') + 1);
  const std::wstring logs[][2] = {
      {L"folders.log", std::wstring(current, GetCurrentDirectoryW(MAX_PATH, current))},
      {L"calls.log", GetCommandLineW()}};
  for (const auto& [log, text] : logs) {
    const std::wstring line = text + L"\n";
    // One append, shared both ways: starts that overlap keep whole lines, and
    // a test may read meanwhile.
    const vintrel::win::UniqueFile file(CreateFileW((folder + log).c_str(), FILE_APPEND_DATA,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                    OPEN_ALWAYS, 0, nullptr));
    DWORD size = static_cast<DWORD>(line.size() * sizeof(wchar_t)), written = 0;
    if (!WriteFile(file.get(), line.data(), size, &written, nullptr) || written != size)
      return 1;
  }
  return 0;
}
