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

void RemoveFrom(RegistryStore& store, ClassesRoot root, bool isAdministrator,
                AssociationOutcome& outcome) {
  for (const auto& key : AssociationRemovalOrder()) {
    if (!MayDelete(store, root, key))
      continue;
    const long error = store.DeleteKey(root, key);
    // An absent key is what removal is after anyway.
    if (error == kErrorSuccess || error == kErrorFileNotFound)
      continue;
    // Keep going: each key removed is one less stale entry, and the user
    // learns of the first failure either way.
    if (outcome.ok()) {
      const bool needsAdministrator = root == ClassesRoot::machine && !isAdministrator;
      outcome = {needsAdministrator ? AssociationFailure::administratorNeeded
                                    : AssociationFailure::registry,
                 error, key, root};
    }
  }
}

}  // namespace

ClassesRoot ChooseClassesRoot(const AssociationRights& rights) {
  return rights.isAdministrator && !rights.folderWritableByOthers ? ClassesRoot::machine
                                                                  : ClassesRoot::user;
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
      {kTypeName, L"bik video file"},
      {L"bik.video\\DefaultIcon", path + L",0"},
      // Quoted, or a folder such as C:\Program Files would make the shell
      // look for C:\Program.exe.
      {kCommandKey, L"\"" + path + L"\" \"%1\""},
      {kExtensionKey, kTypeName},
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

AssociationOutcome RegisterAssociation(RegistryStore& store, const AssociationRights& rights,
                                       std::wstring_view programPath) {
  const ClassesRoot root = ChooseClassesRoot(rights);
  // The shell expands %1, %L, %* and %NAME% anywhere in the command, so such
  // a path would start some other program, or lose the file's name.
  if (programPath.find(L'%') != std::wstring_view::npos)
    return {AssociationFailure::percentInPath, kErrorSuccess, {}, root};
  for (const auto& value : AssociationValues(programPath)) {
    const long error = store.WriteDefaultValue(root, value.key, value.data);
    if (error != kErrorSuccess)
      return {AssociationFailure::registry, error, value.key, root};
  }
  return {AssociationFailure::none, kErrorSuccess, {}, root};
}

AssociationOutcome RemoveAssociation(RegistryStore& store, const AssociationRights& rights,
                                     std::wstring_view programPath) {
  const ClassesRoot root = ChooseClassesRoot(rights);
  AssociationOutcome outcome{AssociationFailure::none, kErrorSuccess, {}, root};
  RemoveFrom(store, root, rights.isAdministrator, outcome);

  // This program's registration in the other store would keep the shell
  // opening .bik files with it: in the user store it wins over the machine
  // store, and the machine store serves every user without one of their own.
  // A standard user cannot change the machine store; trying tells them so.
  const ClassesRoot other = OtherRoot(root);
  if (NamesProgram(store.ReadDefaultValue(other, kCommandKey), programPath))
    RemoveFrom(store, other, rights.isAdministrator, outcome);
  return outcome;
}

}  // namespace vintrel
