#pragma once
#include <string>

// The settings file, one key at a time through the profile functions; the
// bare file name puts it in the Windows directory. Nothing is cached.
namespace vintrel::BinkHint {

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& file);
// The result of a write is deliberately not examined: a refused write leaves
// the old file, and the program goes on (the recovery covers a broken file).
void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& file);

// Shorthands for section "main" of "vintrel.ini".
std::wstring ReadSetting(const std::wstring& key);
void WriteSetting(const std::wstring& key, const std::wstring& value);

// The profile functions read a file they cannot open as if it were empty,
// which would pass for a missing file and bring on the recovery. Throws
// errors::SettingsFileUnreadable() when the file is there but cannot be read
// (held without sharing by another program, or no right to read it).
void CheckSettingsFileReadable();

// Rewrites the fifteen keys with their defaults (everything but "fe").
void RunSettingsRecovery();

}  // namespace vintrel::BinkHint
