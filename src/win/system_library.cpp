#include "win/system_library.h"

#include <string>

namespace vintrel::win {

void RestrictLibrarySearchToSystem() {
  // SetDefaultDllDirectories exists from Windows 8, and on Windows 7 with
  // KB2533623; without it, at least take the current folder out of the search.
  using SetDefaultDirectories = BOOL WINAPI(DWORD);
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  const auto restrict = kernel
                            ? reinterpret_cast<SetDefaultDirectories*>(reinterpret_cast<void (*)()>(
                                  ::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                            : nullptr;
  if (!restrict || !restrict(LOAD_LIBRARY_SEARCH_SYSTEM32))
    ::SetDllDirectoryW(L"");
}

HMODULE SystemLibrary(const wchar_t* name) {
  HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || ::GetLastError() != ERROR_INVALID_PARAMETER)
    return module;
  // A system without the search flags: name the system folder in full.
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return nullptr;
  return ::LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

}  // namespace vintrel::win
