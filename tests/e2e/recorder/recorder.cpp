// Stands in for the Bink player (installed as vintrel.dll beside the program)
// and for the browser and mail program (registered for links as C:\vt\rec.exe).
// Each start appends its unchanged command line, UTF-8, as one line to
// calls.log in its own folder, so a test sees exactly what it was given.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH];
  std::wstring log(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"calls.log";
  const std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
  std::string bytes(line.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  // Appends are atomic per write, so starts that overlap keep whole lines.
  for (int attempt = 0; attempt < 50; ++attempt, Sleep(20)) {
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
      continue;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size() ? 0 : 1;
  }
  return 1;
}
