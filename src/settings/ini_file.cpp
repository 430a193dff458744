#include "settings/ini_file.h"

#include <windows.h>

#include "settings/settings_values.h"

namespace vintrel::BinkHint {

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& file) {
  wchar_t buffer[255] = {};
  const DWORD n =
      ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 255, file.c_str());
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

void RunSettingsRecovery() {
  for (const auto& [key, value] : kRecoveryValues) WriteSetting(key, value);
}

}  // namespace vintrel::BinkHint
