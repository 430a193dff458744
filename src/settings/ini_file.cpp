#include "settings/ini_file.h"

#include <windows.h>

#include "common/app_error.h"
#include "settings/stored_number.h"
#include "ui/unique_handle.h"

namespace vintrel::ini {
namespace {

// The bare name makes the profile functions use the Windows directory.
constexpr wchar_t kFileName[] = L"vintrel.ini";
constexpr wchar_t kSection[] = L"main";

// Opens the file as the profile functions do, with their sharing, and tells
// whether it opened or was missing; nothing is read or written.
enum class Opened { yes, missing, refused };
Opened TryOpen(const std::wstring& path, DWORD access) {
  const ui::UniqueFile file(::CreateFileW(path.c_str(), access,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file)
    return Opened::yes;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Opened::missing
                                                                        : Opened::refused;
}

}  // namespace

std::wstring Read(const std::wstring& key) {
  wchar_t buffer[kLongestStoredText + 1] = {};
  const DWORD n = ::GetPrivateProfileStringW(kSection, key.c_str(), L"", buffer,
                                             kLongestStoredText + 1, kFileName);
  return std::wstring(buffer, n);
}

bool Write(const std::wstring& key, const std::wstring& value) {
  return ::WritePrivateProfileStringW(kSection, key.c_str(), value.c_str(), kFileName);
}

std::wstring FilePath() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  std::wstring path(folder, length);
  if (path.back() != L'\\')
    path += L'\\';
  return path + kFileName;
}

void CheckReadable() {
  const std::wstring path = FilePath();
  // Without a path there is nowhere to look; the profile functions decide.
  if (!path.empty() && TryOpen(path, GENERIC_READ) == Opened::refused)
    throw errors::SettingsFileUnavailable(path);
}

bool Writable() {
  const std::wstring path = FilePath();
  return path.empty() || TryOpen(path, GENERIC_WRITE) != Opened::refused;
}

}  // namespace vintrel::ini
