#include "driver.h"

namespace fs = std::filesystem;

namespace vintrel::e2e {

fs::path IniPath() {
  wchar_t windows[MAX_PATH];
  const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
  if (n == 0 || n >= MAX_PATH)
    throw Failure("GetWindowsDirectoryW failed");
  return fs::path(windows) / L"vintrel.ini";
}

void DeleteIni() {
  std::error_code error;
  fs::remove(IniPath(), error);
  if (error)
    throw Failure("cannot delete vintrel.ini: " + error.message());
}

std::string ReadIniBytes() {
  return ReadBytes(IniPath());
}

void WriteIniBytes(std::string_view bytes) {
  WriteBytes(IniPath(), bytes);
}

std::wstring ReadIniText() {
  const std::string bytes = ReadIniBytes();
  if (bytes.empty())
    return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

void WriteIniText(std::wstring_view text) {
  std::string bytes;
  if (!text.empty()) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(n));
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
  }
  WriteIniBytes(bytes);
}

namespace {

// RegDeleteKeyW refuses keys that still have sub-keys, so go depth first.
void DeleteTree(HKEY root, const std::wstring& subKey) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &raw) != ERROR_SUCCESS)
    return;
  UniqueKey key(raw);
  for (;;) {
    wchar_t name[256];
    DWORD length = static_cast<DWORD>(std::size(name));
    // Always the first: each deletion shifts the rest up.
    if (RegEnumKeyExW(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    const std::wstring child = subKey + L"\\" + name;
    DeleteTree(root, child);
    if (KeyExists(root, child))
      throw Failure("cannot delete registry key " + ToUtf8(child));
  }
  key.reset();
  const LONG result = RegDeleteKeyW(root, subKey.c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
    throw Failure("cannot delete registry key " + ToUtf8(subKey) + ", error " +
                  std::to_string(result));
  }
}

}  // namespace

void DeleteAssociationKeys() {
  for (const wchar_t* name : {L".bik", L"bik.video"}) {
    DeleteTree(HKEY_CLASSES_ROOT, name);
    DeleteTree(HKEY_CURRENT_USER, std::wstring(L"Software\\Classes\\") + name);
  }
}

bool KeyExists(HKEY root, std::wstring_view subKey) {
  HKEY raw = nullptr;
  const std::wstring name(subKey);
  if (RegOpenKeyExW(root, name.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
    return false;
  UniqueKey key(raw);
  return true;
}

std::optional<std::wstring> ReadRegString(HKEY root, std::wstring_view subKey,
                                          std::wstring_view valueName) {
  HKEY raw = nullptr;
  const std::wstring keyName(subKey);
  if (RegOpenKeyExW(root, keyName.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
    return {};
  UniqueKey key(raw);
  const std::wstring value(valueName);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return {};
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), value.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
    return {};
  }
  text.resize(size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace vintrel::e2e
