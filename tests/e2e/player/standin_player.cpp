// Stands in for the Bink player in the end-to-end tests. Installed as
// vintrel.dll beside vintrel.exe, it records how it was started and exits, so
// a test can check the exact command line the program built.
//
// Each start appends one record to player.log in the player's own folder,
// UTF-8:
//   --- start
//   command line: <GetCommandLineW, unchanged>
//   working folder: <current directory>
//   argc: <n>
//   arg: <each argument as CommandLineToArgvW splits it>
//   --- end
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <memory>
#include <string>

namespace {

struct LocalFreer {
  void operator()(void* p) const { LocalFree(p); }
};

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

std::string ToUtf8(const std::wstring& text) {
  if (text.empty())
    return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring OwnFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring CurrentFolder() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(n, L'\0');
  dir.resize(GetCurrentDirectoryW(n, dir.data()));
  return dir;
}

std::wstring Record() {
  const wchar_t* commandLine = GetCommandLineW();
  std::wstring record = L"--- start\ncommand line: ";
  record += commandLine;
  record += L"\nworking folder: " + CurrentFolder();
  int argc = 0;
  std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(commandLine, &argc));
  if (!argv)
    argc = 0;
  record += L"\nargc: " + std::to_wstring(argc) + L"\n";
  for (int i = 0; i < argc; ++i) record += L"arg: " + std::wstring(argv.get()[i]) + L"\n";
  record += L"--- end\n";
  return record;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::string bytes = ToUtf8(Record());
  const std::wstring log = OwnFolder() + L"player.log";
  // Retry briefly: two players started at once may meet on the file.
  for (int attempt = 0; attempt < 50; ++attempt) {
    FileHandle file(CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      return written == bytes.size() ? 0 : 1;
    }
    file.release();
    Sleep(20);
  }
  return 1;
}
