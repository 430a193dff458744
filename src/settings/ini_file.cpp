#include "settings/ini_file.h"

#include <windows.h>

#include "settings/stored_number.h"
#include "win/unique_handle.h"

namespace vintrel::ini {
namespace {

// The bare name makes the profile functions use the Windows directory.
constexpr wchar_t kFileName[] = L"vintrel.ini";
constexpr wchar_t kSection[] = L"main";

// Opens the file as the profile functions do, with their sharing, and gives
// the system's error code when that was refused; 0 when the file opened or
// is missing. Nothing is read or written.
DWORD Refusal(const std::wstring& path, DWORD access) {
  const win::UniqueFile file(::CreateFileW(path.c_str(), access,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file)
    return 0;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
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

std::optional<Failure> CheckReadable() {
  const std::wstring path = FilePath();
  // Without a path there is nowhere to look; the profile functions decide.
  if (const DWORD error = path.empty() ? 0 : Refusal(path, GENERIC_READ))
    return Failure{FailureKind::settingsFileUnavailable, error, path};
  return std::nullopt;
}

bool Writable() {
  const std::wstring path = FilePath();
  return path.empty() || Refusal(path, GENERIC_WRITE) == 0;
}

}  // namespace vintrel::ini
