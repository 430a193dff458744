#include "settings/ini_file.h"

#include <windows.h>

#include "common/app_error.h"
#include "settings/settings_values.h"
#include "settings/stored_number.h"
#include "win/unique_handle.h"

namespace vintrel::BinkHint {

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& file) {
  wchar_t buffer[kLongestStoredText + 1] = {};
  const DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer,
                                             kLongestStoredText + 1, file.c_str());
  return std::wstring(buffer, n);
}

bool WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& file) {
  return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

std::wstring ReadSetting(const std::wstring& key) {
  return ReadIni(kIniSection, key, kIniFileName);
}

bool WriteSetting(const std::wstring& key, const std::wstring& value) {
  return WriteIni(kIniSection, key, value, kIniFileName);
}

std::wstring SettingsFilePath() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  std::wstring path(folder, length);
  if (path.back() != L'\\')
    path += L'\\';
  return path + kIniFileName;
}

namespace {

// Opens the file as the profile functions do, with their sharing, and tells
// whether it opened or was missing; nothing is read or written.
enum class Opened { yes, missing, refused };
Opened TryOpen(const std::wstring& path, DWORD access) {
  const win::UniqueFile file(::CreateFileW(path.c_str(), access,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file)
    return Opened::yes;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Opened::missing
                                                                        : Opened::refused;
}

}  // namespace

void CheckSettingsFileReadable() {
  const std::wstring path = SettingsFilePath();
  // Without a path there is nowhere to look; the profile functions decide.
  if (!path.empty() && TryOpen(path, GENERIC_READ) == Opened::refused)
    throw errors::SettingsFileUnavailable(path);
}

bool SettingsFileWritable() {
  const std::wstring path = SettingsFilePath();
  return path.empty() || TryOpen(path, GENERIC_WRITE) != Opened::refused;
}

bool RunSettingsRecovery() {
  bool written = true;
  for (const auto& [key, value] : kRecoveryValues) written = WriteSetting(key, value) && written;
  return written;
}

}  // namespace vintrel::BinkHint
