#include "shell/registry.h"

#include "win/unique_handle.h"

namespace vintrel::Registry {

LONG WriteRegString(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                    const std::wstring& data) {
  win::UniqueRegKey key;
  // Only the right to set values: a store whose keys a user may not change
  // refuses here rather than after the open.
  const LONG created = ::RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         KEY_SET_VALUE, nullptr, key.put(), nullptr);
  if (created != ERROR_SUCCESS)
    return created;
  // The length in bytes counts the terminating zero, which c_str() provides.
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
}

LONG DeleteRegKey(HKEY root, const std::wstring& subKey) {
  return ::RegDeleteKeyW(root, subKey.c_str());
}

LONG DeleteRegValue(HKEY root, const std::wstring& subKey, const std::wstring& valueName) {
  return ::RegDeleteKeyValueW(root, subKey.c_str(), valueName.c_str());
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& subKey,
                                       const std::wstring& valueName) {
  DWORD bytes = 0;
  LONG result = ::RegGetValueW(root, subKey.c_str(), valueName.c_str(), RRF_RT_REG_SZ, nullptr,
                               nullptr, &bytes);
  // The value may grow between the two calls; ask again until it fits.
  for (int attempt = 0; attempt < 4 && result == ERROR_SUCCESS; ++attempt) {
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    result = ::RegGetValueW(root, subKey.c_str(), valueName.c_str(), RRF_RT_REG_SZ, nullptr,
                            text.data(), &bytes);
    if (result == ERROR_SUCCESS) {
      // RegGetValueW guarantees the terminating zero and counts it.
      text.resize(bytes / sizeof(wchar_t));
      while (!text.empty() && text.back() == L'\0') text.pop_back();
      return text;
    }
    if (result == ERROR_MORE_DATA)
      result = ERROR_SUCCESS;
  }
  return std::nullopt;
}

KeyContents CountContents(HKEY root, const std::wstring& subKey) {
  KeyContents contents;
  win::UniqueRegKey key;
  if (::RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
                      key.put()) != ERROR_SUCCESS ||
      ::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &contents.subKeys, nullptr, nullptr,
                         &contents.values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return contents;
}

}  // namespace vintrel::Registry
