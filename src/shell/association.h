#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// Win32 error codes the association logic tells apart.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;

// The two classes stores. The system shows their union as HKEY_CLASSES_ROOT,
// the per-user entries winning; a key written through HKEY_CLASSES_ROOT that
// does not exist yet lands in the machine store, which only administrators
// may write.
enum class ClassesRoot {
  machine,  // HKEY_CLASSES_ROOT
  user,     // HKEY_CURRENT_USER\Software\Classes
};

// The user store's key below HKEY_CURRENT_USER.
inline constexpr wchar_t kUserClassesKey[] = L"Software\\Classes";

// Where this run writes the association: the machine store with administrator
// rights, otherwise the user's own store, which needs none.
ClassesRoot ChooseClassesRoot(bool isAdministrator);
ClassesRoot OtherRoot(ClassesRoot root);

// The registered program: folder of exePath, a backslash, its file name
// without the extension (the text from the name's last '.'), and ".exe".
std::wstring ProgramPath(std::wstring_view exePath);

struct RegistryValue {
  std::wstring key;
  std::wstring data;  // the key's default value, REG_SZ
  bool operator==(const RegistryValue&) const = default;
};

// The keys and default values of the association, in the order written.
std::vector<RegistryValue> AssociationValues(std::wstring_view programPath);

// The keys removed, deepest first, each after every key below it.
const std::vector<std::wstring>& AssociationRemovalOrder();

// Registry access within one classes store. Results are Win32 error codes.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Creates the key and any missing keys above it, then sets its default value.
  virtual long WriteDefaultValue(ClassesRoot root, const std::wstring& key,
                                 const std::wstring& data) = 0;
  // Deletes the one key; fails for a key that still has sub-keys.
  virtual long DeleteKey(ClassesRoot root, const std::wstring& key) = 0;
  // nullopt when the key is absent or has no string default value.
  virtual std::optional<std::wstring> ReadDefaultValue(ClassesRoot root,
                                                       const std::wstring& key) = 0;
  virtual bool HasSubKeys(ClassesRoot root, const std::wstring& key) = 0;
};

struct AssociationOutcome {
  bool ok = true;
  long error = kErrorSuccess;
  std::wstring key;                         // the key that failed
  ClassesRoot root = ClassesRoot::machine;  // the store it failed in
};

// Writes the association values in order into root; stops at the first
// failure and reports it.
AssociationOutcome RegisterAssociation(RegistryStore& store, ClassesRoot root,
                                       std::wstring_view programPath);

// Removes the association from the store this run would write to, then, with
// administrator rights, from the user store as well when the registration
// there is this program's own. Absent keys are no failure; keys that still
// have sub-keys stay quietly; ".bik" goes only while it still names
// "bik.video". Every deletion is tried; the first failure is reported.
AssociationOutcome RemoveAssociation(RegistryStore& store, bool isAdministrator,
                                     std::wstring_view programPath);

}  // namespace vintrel
