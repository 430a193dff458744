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
// the per-user entries winning. Each is written by its own path: through
// HKEY_CLASSES_ROOT a key that exists in the user store would be changed
// there, whatever store was meant.
enum class ClassesRoot {
  machine,  // HKEY_LOCAL_MACHINE\Software\Classes, every user's; administrators only
  user,     // HKEY_CURRENT_USER\Software\Classes
};

// Both stores' key below their root.
inline constexpr wchar_t kClassesKey[] = L"Software\\Classes";

// What decides where the association goes.
struct AssociationRights {
  bool isAdministrator = false;
  // Somebody without administrator rights may change the program's folder,
  // and so replace what the shell would start for every user.
  bool folderWritableByOthers = true;
};

// The machine store only for an administrator whose program folder nobody
// else can change; otherwise the user's own store, which needs no rights.
ClassesRoot ChooseClassesRoot(const AssociationRights& rights);
ClassesRoot OtherRoot(ClassesRoot root);

// The registered program: folder of exePath, a backslash, its file name
// without the extension (the text from the name's last '.'), and ".exe".
std::wstring ProgramPath(std::wstring_view exePath);

struct RegistryValue {
  std::wstring key;
  std::wstring data;  // the key's default value, REG_SZ
  bool operator==(const RegistryValue&) const = default;
};

// The keys and default values of the association, in the order written:
// ".bik" last, so that a failed write leaves the extension's handler as it was.
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

enum class AssociationFailure {
  none,
  registry,             // a registry call failed: error, key and root say which
  administratorNeeded,  // as registry, in the machine store, without administrator rights
  percentInPath,        // the shell would expand the '%' of the program's path
};

struct AssociationOutcome {
  AssociationFailure failure = AssociationFailure::none;
  long error = kErrorSuccess;
  std::wstring key;                         // the key that failed
  ClassesRoot root = ClassesRoot::machine;  // the store written, or the one that failed
  bool ok() const { return failure == AssociationFailure::none; }
};

// Writes the association values in order into the store the rights choose;
// stops at the first failure and reports it. Refuses, writing nothing, a
// program path with a '%'.
AssociationOutcome RegisterAssociation(RegistryStore& store, const AssociationRights& rights,
                                       std::wstring_view programPath);

// Removes the association from the store this run would write to, then from
// the other one as well when the registration there is this program's own.
// Absent keys are no failure; keys that still have sub-keys stay quietly;
// ".bik" goes only while it still names "bik.video". Every deletion is tried;
// the first failure is reported.
AssociationOutcome RemoveAssociation(RegistryStore& store, const AssociationRights& rights,
                                     std::wstring_view programPath);

}  // namespace vintrel
