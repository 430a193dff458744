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

// The key's default value when it is a string; nullopt when the key or the
// value is absent or of another type.
std::optional<std::wstring> ReadDefaultString(HKEY root, const std::wstring& subKey);

// False also when the key cannot be opened.
bool HasSubKeys(HKEY root, const std::wstring& subKey);

}  // namespace vintrel::Registry
