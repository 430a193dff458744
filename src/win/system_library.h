#pragma once
#include <windows.h>

#include "common/app_error.h"

namespace vintrel::win {

// Makes every later library load search the system folder only, so a DLL
// planted beside the program (a Downloads folder) or in the current folder
// (a video's folder) is never loaded in place of the system's.
void RestrictLibrarySearchToSystem();

// A system library loaded on first use, from the system folder only. Libraries
// the program needs only for one flow (the open dialog, a drop, the About
// links) are loaded here instead of at start-up. Loaded libraries stay for the
// program's lifetime. nullptr when the library is missing.
HMODULE SystemLibrary(const wchar_t* name);

// A typed function of a system library, for use as
//   auto open = SystemFunction<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
// nullptr when the library or the function is missing.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = SystemLibrary(library);
  if (!module)
    return nullptr;
  // Through void(*)() so that no compiler warns about the function type.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// As SystemFunction, for a flow that cannot go on without the function: a
// missing library or function is the numbered error 48.
template <typename Function>
Function* RequireSystemFunction(const wchar_t* library, const char* name) {
  if (Function* function = SystemFunction<Function>(library, name))
    return function;
  throw errors::DllLoad(library);
}

}  // namespace vintrel::win
