#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"

namespace vintrel {

// Win32 error codes the association logic tells apart.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;

// The two classes stores. The system shows their union as HKEY_CLASSES_ROOT,
// the per-user entries winning. Each is written by its own path: through
// HKEY_CLASSES_ROOT a key that exists in the user store would be changed
// there, whatever store was meant.
enum class ClassesRoot {
  machine,  // HKEY_LOCAL_MACHINE\Software\Classes, every user's; administrators only
  user,     // HKEY_CURRENT_USER\Software\Classes
};

// Both stores' key below their root.
inline constexpr wchar_t kClassesKey[] = L"Software\\Classes";

// Below HKEY_CURRENT_USER: the app the user chose for .bik files with
// "Always use this app", in its value "ProgId". It beats both classes stores,
// and carries a hash that no program can forge, so only the user can change it.
inline constexpr wchar_t kUserChoiceKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.bik\\UserChoice";

// The registered program: folder of exePath, a backslash, its file name
// without the extension (the text from the name's last '.'), and ".exe".
std::wstring ProgramPath(std::wstring_view exePath);

struct RegistryValue {
  std::wstring key;
  std::wstring name;  // "" for the key's default value
  std::wstring data;  // REG_SZ
  bool operator==(const RegistryValue&) const = default;
};

// The values of the association, in the order written: the default value of
// ".bik" last, so that a failed write leaves the extension's handler as it was.
std::vector<RegistryValue> AssociationValues(std::wstring_view programPath);

// Registry access within one classes store, and the user's choice above.
// Results are Win32 error codes.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Creates the key and any missing keys above it, then sets the value.
  virtual long WriteString(ClassesRoot root, const RegistryValue& value) = 0;
  virtual long DeleteValue(ClassesRoot root, const std::wstring& key, const std::wstring& name) = 0;
  // Deletes the one key; fails for a key that still has sub-keys.
  virtual long DeleteKey(ClassesRoot root, const std::wstring& key) = 0;
  // nullopt when the key is absent or has no string default value.
  virtual std::optional<std::wstring> ReadDefaultValue(ClassesRoot root,
                                                       const std::wstring& key) = 0;
  virtual bool HasSubKeys(ClassesRoot root, const std::wstring& key) = 0;
  // Any value, the default one included.
  virtual bool HasValues(ClassesRoot root, const std::wstring& key) = 0;
  // The ProgId below kUserChoiceKey; nullopt when there is none.
  virtual std::optional<std::wstring> UserChoiceProgId() = 0;
};

// What a registration or a removal did: nothing failed, or the first
// failure, with the system's code and the full name of the registry key
// ("HKEY_CURRENT_USER\Software\Classes\.bik") where a call failed.
struct AssociationOutcome {
  std::optional<Failure> failure;
  // Registered, but the user once chose another app for .bik files, and
  // Windows goes on opening them with it.
  bool otherAppChosen = false;
  bool ok() const { return !failure; }
};

// The title of the confirmations, and the confirmation of a removal.
inline constexpr wchar_t kAssociationTitle[] = L"Интеграция";
inline constexpr wchar_t kDissociatedMessage[] =
    L"Программа больше не связана с файлами расширения *.bik";

// "HKEY_LOCAL_MACHINE\Software\Classes\bik.video" for `key` of the machine store.
std::wstring FullKeyName(ClassesRoot root, std::wstring_view key);

// Writes the association values in order into the user's own store, which
// needs no rights and serves nobody else; stops at the first failure and
// reports it. Refuses, writing nothing, a program path with a '%'.
AssociationOutcome RegisterAssociation(RegistryStore& store, std::wstring_view programPath);

// The confirmation of a registration that succeeded.
std::wstring RegisteredMessage(const AssociationOutcome& outcome);

// Removes the association from the user's store, then from the machine store
// as well when the registration there is this program's own. Absent keys are
// no failure; keys that still have sub-keys, and other programs' entries in
// the "Open with" list, stay quietly; ".bik" goes only while it still names
// "bik.video". Every deletion is tried; the first failure is reported.
AssociationOutcome RemoveAssociation(RegistryStore& store, bool isAdministrator,
                                     std::wstring_view programPath);

}  // namespace vintrel
