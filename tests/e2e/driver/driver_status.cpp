// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "driver.h"

namespace vintrel::e2e {

namespace {

UniqueHandle OpenOwner(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  UniqueHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process)
    throw Failure("cannot open the status bar's process");
  return process;
}

}  // namespace

std::wstring StatusText(HWND statusBar) {
  // SB_GETTEXTW is not marshalled between processes: the buffer must live in
  // the status bar's own process. In simple mode any part index answers with
  // the simple text.
  const LRESULT lengthInfo = Send(statusBar, SB_GETTEXTLENGTHW, 0, 0);
  const size_t length = LOWORD(lengthInfo);
  UniqueHandle process = OpenOwner(statusBar);
  const SIZE_T bytes = (length + 1) * sizeof(wchar_t);
  RemoteMemory remote(process.get(), bytes);
  if (!remote.get())
    throw Failure("VirtualAllocEx failed");
  const wchar_t zero = L'\0';
  WriteProcessMemory(process.get(), remote.get(), &zero, sizeof zero, nullptr);
  Send(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote.get()));
  std::wstring text(length + 1, L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.get(), remote.get(), text.data(), bytes, &read)) {
    throw Failure("ReadProcessMemory failed");
  }
  text.resize(text.find(L'\0'));
  return text;
}

}  // namespace vintrel::e2e
