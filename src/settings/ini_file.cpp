#include "settings/ini_file.h"

#include <windows.h>

#include "common/app_error.h"
#include "settings/settings_values.h"
#include "settings/stored_number.h"
#include "ui/unique_handle.h"

namespace vintrel::BinkHint {

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& file) {
  wchar_t buffer[kLongestStoredText + 1] = {};
  const DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer,
                                             kLongestStoredText + 1, file.c_str());
  return std::wstring(buffer, n);
}

void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& file) {
  ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

std::wstring ReadSetting(const std::wstring& key) {
  return ReadIni(kIniSection, key, kIniFileName);
}

void WriteSetting(const std::wstring& key, const std::wstring& value) {
  WriteIni(kIniSection, key, value, kIniFileName);
}

void CheckSettingsFileReadable() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return;  // nowhere to look; the profile functions decide
  std::wstring path(folder, length);
  if (path.back() != L'\\')
    path += L'\\';
  path += kIniFileName;
  // The sharing the profile functions themselves ask for.
  const ui::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file)
    return;
  const DWORD error = ::GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
    throw errors::SettingsFileUnreadable(path);
}

void RunSettingsRecovery() {
  for (const auto& [key, value] : kRecoveryValues) WriteSetting(key, value);
}

}  // namespace vintrel::BinkHint
