#include "res/main_window_ids.h"
#include "driver.h"

namespace fs = std::filesystem;

namespace vintrel::e2e {

App App::Start(const fs::path& exe, std::wstring_view arguments) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty())
    commandLine += L" " + std::wstring(arguments);
  return StartRaw(exe, std::move(commandLine));
}

App App::StartRaw(const fs::path& exe, std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const std::wstring folder = exe.parent_path().wstring();
  // CreateProcessW may write into the command line buffer: keep it our own.
  if (!CreateProcessW(exe.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, folder.c_str(), &startup, &info)) {
    throw Failure("cannot start " + ToUtf8(exe.wstring()) + ", error " +
                  std::to_string(GetLastError()));
  }
  UniqueHandle thread(info.hThread);
  return App(UniqueHandle(info.hProcess), info.dwProcessId);
}

App::~App() {
  if (process_)
    Kill();
}

bool App::IsRunning() const {
  return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> App::WaitForExit(Millis timeout) const {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return {};
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

void App::Kill() {
  if (IsRunning()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

namespace {

struct EnumState {
  DWORD pid;
  bool visibleOnly;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto& state = *reinterpret_cast<EnumState*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == state.pid && (!state.visibleOnly || IsWindowVisible(hwnd))) {
    state.windows.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly) {
  EnumState state{pid, visibleOnly, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
  return state.windows;
}

HWND App::FindMainWindow() const {
  for (HWND hwnd : TopLevelWindows(pid_)) {
    if (GetDlgItem(hwnd, main_ids::Command1))
      return hwnd;
  }
  return nullptr;
}

HWND App::WaitForMainWindow(Millis timeout) const {
  HWND found = nullptr;
  if (!WaitUntil([&] { return (found = FindMainWindow()) != nullptr || !IsRunning(); }, timeout) ||
      !found) {
    throw Failure(IsRunning() ? "the main window did not appear"
                              : "the program ended before its main window appeared");
  }
  return found;
}

}  // namespace vintrel::e2e
