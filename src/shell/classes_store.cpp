#include "shell/classes_store.h"

#include "shell/registry.h"

namespace vintrel {

RegistryLocation Locate(ClassesRoot root, const std::wstring& key) {
  // Each store is addressed through its full path below its own root rather
  // than an opened handle: creating a key then creates Software\Classes too
  // in a profile that has none yet, and no extra handle needs closing.
  return {root == ClassesRoot::user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
          std::wstring(kClassesKey) + L"\\" + key};
}

std::wstring FullKeyName(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  const wchar_t* rootName =
      location.root == HKEY_CURRENT_USER ? L"HKEY_CURRENT_USER" : L"HKEY_LOCAL_MACHINE";
  return std::wstring(rootName) + L"\\" + location.subKey;
}

long ClassesStore::WriteDefaultValue(ClassesRoot root, const std::wstring& key,
                                     const std::wstring& data) {
  const RegistryLocation location = Locate(root, key);
  return Registry::WriteRegString(location.root, location.subKey, L"", data);
}

long ClassesStore::DeleteKey(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::DeleteRegKey(location.root, location.subKey);
}

std::optional<std::wstring> ClassesStore::ReadDefaultValue(ClassesRoot root,
                                                           const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::ReadDefaultString(location.root, location.subKey);
}

bool ClassesStore::HasSubKeys(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::HasSubKeys(location.root, location.subKey);
}

}  // namespace vintrel
