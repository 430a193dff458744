#include "shell/association.h"

#include "common/text.h"

namespace vintrel {
namespace {

constexpr wchar_t kExtensionKey[] = L".bik";
constexpr wchar_t kTypeName[] = L"bik.video";
constexpr wchar_t kCommandKey[] = L"bik.video\\shell\\open\\command";

// The program an open command starts: the quoted form this program writes,
// "D\N.exe" "%1", or the unquoted D\N.exe %1 of earlier versions, whose path
// may contain blanks and so runs up to the final %1.
std::wstring_view CommandProgram(std::wstring_view command) {
  command = TrimBlanks(command);
  if (!command.empty() && command.front() == L'"') {
    const auto closing = command.find(L'"', 1);
    return closing == std::wstring_view::npos ? command.substr(1) : command.substr(1, closing - 1);
  }
  for (std::wstring_view argument : {std::wstring_view(L"\"%1\""), std::wstring_view(L"%1")}) {
    if (command.size() > argument.size() && command.ends_with(argument)) {
      return TrimBlanks(command.substr(0, command.size() - argument.size()));
    }
  }
  return command;
}

bool NamesProgram(const std::optional<std::wstring>& command, std::wstring_view programPath) {
  return command && EqualIgnoringCase(CommandProgram(*command), programPath);
}

bool MayDelete(RegistryStore& store, ClassesRoot root, const std::wstring& key) {
  // Once another program has taken over the extension, ".bik" is its data.
  // The check is exact: a differently spelt value was not written by us.
  if (key == kExtensionKey && store.ReadDefaultValue(root, key) != kTypeName)
    return false;
  // Somebody else's entries below the key; the key stays for them.
  return !store.HasSubKeys(root, key);
}

void RemoveFrom(RegistryStore& store, ClassesRoot root, AssociationOutcome& outcome) {
  for (const auto& key : AssociationRemovalOrder()) {
    if (!MayDelete(store, root, key))
      continue;
    const long error = store.DeleteKey(root, key);
    // An absent key is what removal is after anyway.
    if (error == kErrorSuccess || error == kErrorFileNotFound)
      continue;
    // Keep going: each key removed is one less stale entry, and the user
    // learns of the first failure either way.
    if (outcome.ok)
      outcome = {false, error, key, root};
  }
}

}  // namespace

ClassesRoot ChooseClassesRoot(bool isAdministrator) {
  return isAdministrator ? ClassesRoot::machine : ClassesRoot::user;
}

ClassesRoot OtherRoot(ClassesRoot root) {
  return root == ClassesRoot::machine ? ClassesRoot::user : ClassesRoot::machine;
}

std::wstring ProgramPath(std::wstring_view exePath) {
  const auto separator = exePath.find_last_of(L"\\/");
  const std::size_t nameStart = separator == std::wstring_view::npos ? 0 : separator + 1;
  std::wstring_view name = exePath.substr(nameStart);
  if (const auto dot = name.rfind(L'.'); dot != std::wstring_view::npos)
    name = name.substr(0, dot);

  std::wstring path;
  if (separator != std::wstring_view::npos) {
    path = exePath.substr(0, separator);
    path += L'\\';
  }
  path += name;
  path += L".exe";
  return path;
}

std::vector<RegistryValue> AssociationValues(std::wstring_view programPath) {
  const std::wstring path(programPath);
  return {
      {kExtensionKey, kTypeName},
      {kTypeName, L"bik video file"},
      {L"bik.video\\DefaultIcon", path + L",0"},
      // Quoted, or a folder such as C:\Program Files would make the shell
      // look for C:\Program.exe.
      {kCommandKey, L"\"" + path + L"\" \"%1\""},
  };
}

const std::vector<std::wstring>& AssociationRemovalOrder() {
  static const std::vector<std::wstring> order{
      kCommandKey,         L"bik.video\\shell\\open",
      L"bik.video\\shell", L"bik.video\\DefaultIcon",
      kTypeName,           kExtensionKey,
  };
  return order;
}

AssociationOutcome RegisterAssociation(RegistryStore& store, ClassesRoot root,
                                       std::wstring_view programPath) {
  for (const auto& value : AssociationValues(programPath)) {
    const long error = store.WriteDefaultValue(root, value.key, value.data);
    if (error != kErrorSuccess)
      return {false, error, value.key, root};
  }
  return {true, kErrorSuccess, {}, root};
}

AssociationOutcome RemoveAssociation(RegistryStore& store, bool isAdministrator,
                                     std::wstring_view programPath) {
  const ClassesRoot root = ChooseClassesRoot(isAdministrator);
  AssociationOutcome outcome{true, kErrorSuccess, {}, root};
  RemoveFrom(store, root, outcome);

  // A registration this program left in the user store, say from a run
  // without administrator rights, would still win over the machine store.
  // A standard user cannot write the machine store, so only administrators
  // look at the other one.
  if (isAdministrator) {
    const ClassesRoot other = OtherRoot(root);
    if (NamesProgram(store.ReadDefaultValue(other, kCommandKey), programPath)) {
      RemoveFrom(store, other, outcome);
    }
  }
  return outcome;
}

}  // namespace vintrel
