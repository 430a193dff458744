// Stands in for the web browser and the mail program in the end-to-end
// tests. The test registers it as the shell's handler of a link scheme with
//   "<url_recorder.exe>" "<log file>" "%1"
// and each start appends its unchanged command line, UTF-8, as one line to
// the log file, so the test sees exactly what the shell passed on.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const wchar_t* commandLine = GetCommandLineW();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(commandLine, &argc);
  if (!argv)
    return 2;
  const std::wstring logPath = argc >= 2 ? argv[1] : L"";
  LocalFree(argv);
  if (logPath.empty())
    return 2;

  // Appends are atomic per write, so starts that overlap keep whole lines.
  HANDLE log = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE)
    return 3;
  const std::string line = ToUtf8(commandLine) + "\n";
  DWORD written = 0;
  const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return ok && written == line.size() ? 0 : 3;
}
