#pragma once
// The association's registry stand-in interface over the real registry.
#include <windows.h>

#include "shell/association.h"

namespace vintrel {

// The machine store is HKEY_LOCAL_MACHINE\Software\Classes, the user store
// HKEY_CURRENT_USER\Software\Classes, created on the first write.
class ClassesStore final : public RegistryStore {
 public:
  long WriteString(ClassesRoot root, const RegistryValue& value) override;
  long DeleteValue(ClassesRoot root, const std::wstring& key, const std::wstring& name) override;
  long DeleteKey(ClassesRoot root, const std::wstring& key) override;
  std::optional<std::wstring> ReadDefaultValue(ClassesRoot root, const std::wstring& key) override;
  bool HasSubKeys(ClassesRoot root, const std::wstring& key) override;
  bool HasValues(ClassesRoot root, const std::wstring& key) override;
  std::optional<std::wstring> UserChoiceProgId() override;
};

// The registry root and key path of `key` within a classes store.
struct RegistryLocation {
  HKEY root;
  std::wstring subKey;
};
RegistryLocation Locate(ClassesRoot root, const std::wstring& key);

}  // namespace vintrel
