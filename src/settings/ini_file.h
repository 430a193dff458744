#pragma once
#include <optional>
#include <string>

#include "common/failure.h"

// The settings file "vintrel.ini", section "main", one key at a time through
// the profile functions; the bare file name puts it in the Windows directory.
// Nothing is cached.
namespace vintrel::ini {

// The text under `key`; empty when there is none.
std::wstring Read(const std::wstring& key);
// False when the system refused the write. The loads and the settings
// window deliberately go on after one: it leaves the old file, and the
// start-up's recovery covers a broken file. Only a rewrite the user asked
// for looks, so as not to report it done when it was not.
bool Write(const std::wstring& key, const std::wstring& value);

// The file's full path in the Windows directory; empty when that is unknown.
std::wstring FilePath();

// The profile functions read a file they cannot open as if it were empty,
// which would pass for a missing file and bring on the recovery. A failure
// (settingsFileUnavailable) when the file is there but cannot be read: held
// without sharing by another program, or no right to read it.
std::optional<Failure> CheckReadable();

// Whether the file could be written now: false when it is read-only, held
// by another program or closed to this user. A missing file counts as
// writable; the write itself then tells.
bool Writable();

}  // namespace vintrel::ini
