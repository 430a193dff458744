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

long ClassesStore::WriteString(ClassesRoot root, const RegistryValue& value) {
  const RegistryLocation location = Locate(root, value.key);
  return Registry::WriteRegString(location.root, location.subKey, value.name, value.data);
}

long ClassesStore::DeleteValue(ClassesRoot root, const std::wstring& key,
                               const std::wstring& name) {
  const RegistryLocation location = Locate(root, key);
  return Registry::DeleteRegValue(location.root, location.subKey, name);
}

long ClassesStore::DeleteKey(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::DeleteRegKey(location.root, location.subKey);
}

std::optional<std::wstring> ClassesStore::ReadDefaultValue(ClassesRoot root,
                                                           const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::ReadString(location.root, location.subKey, L"");
}

bool ClassesStore::HasSubKeys(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::CountContents(location.root, location.subKey).subKeys > 0;
}

bool ClassesStore::HasValues(ClassesRoot root, const std::wstring& key) {
  const RegistryLocation location = Locate(root, key);
  return Registry::CountContents(location.root, location.subKey).values > 0;
}

std::optional<std::wstring> ClassesStore::UserChoiceProgId() {
  return Registry::ReadString(HKEY_CURRENT_USER, kUserChoiceKey, L"ProgId");
}

}  // namespace vintrel
