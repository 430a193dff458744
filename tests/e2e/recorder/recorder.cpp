// Stands in for the Bink player (installed as vintrel.dll beside the program)
// and for the browser and mail program (registered for links as C:\vt\rec.exe).
// Each start appends its unchanged command line, UTF-16, as one line to
// calls.log in its own folder, so a test sees exactly what it was given, and
// first the folder it was started in to folders.log.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH], current[MAX_PATH];
  std::wstring folder(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1);
  const std::wstring logs[][2] = {
      {folder + L"folders.log", std::wstring(current, GetCurrentDirectoryW(MAX_PATH, current))},
      {folder + L"calls.log", GetCommandLineW()}};
  for (const auto& [log, text] : logs) {
    const std::wstring line = text + L"\n";
    const auto size = static_cast<DWORD>(line.size() * sizeof(wchar_t));
    // One append, shared both ways: starts that overlap keep whole lines, and
    // a test may read meanwhile.
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, line.data(), size, &written, nullptr);
    CloseHandle(file);
    if (written != size)
      return 1;
  }
  return 0;
}
