#pragma once
// Module Registry: the registry calls the association makes, one key at a
// time. Every function returns the Win32 error code of the call that failed
// (ERROR_SUCCESS when none did), so the caller can tell the user why.
#include <windows.h>

#include <optional>
#include <string>

namespace vintrel::Registry {

// Creates `subKey` below `root` (with any missing keys above it) or opens it,
// and sets `valueName` (empty: the default value) to `data` as REG_SZ.
LONG WriteRegString(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                    const std::wstring& data);

// Deletes the one key; the system refuses a key that still has sub-keys.
LONG DeleteRegKey(HKEY root, const std::wstring& subKey);

LONG DeleteRegValue(HKEY root, const std::wstring& subKey, const std::wstring& valueName);

// The value (empty name: the default value) when it is a string; nullopt
// when the key or the value is absent or of another type.
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& subKey,
                                       const std::wstring& valueName);

// How many sub-keys and values the key has; none when it cannot be opened.
struct KeyContents {
  DWORD subKeys = 0;
  DWORD values = 0;
};
KeyContents CountContents(HKEY root, const std::wstring& subKey);

}  // namespace vintrel::Registry
