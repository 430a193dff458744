#include "shell/association.h"

#include "common/text.h"

namespace vintrel {
namespace {

constexpr wchar_t kExtensionKey[] = L".bik";
constexpr wchar_t kOpenWithKey[] = L".bik\\OpenWithProgids";
constexpr wchar_t kTypeName[] = L"bik.video";
constexpr wchar_t kCommandKey[] = L"bik.video\\shell\\open\\command";

// Deepest first, each after every key below it.
const std::wstring kRemovalOrder[] = {
    kCommandKey,         L"bik.video\\shell\\open",
    L"bik.video\\shell", L"bik.video\\DefaultIcon",
    kTypeName,           kOpenWithKey,
    kExtensionKey,
};

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

void RemoveFrom(RegistryStore& store, ClassesRoot root, bool isAdministrator,
                AssociationOutcome& outcome) {
  const auto note = [&](long error, const std::wstring& key) {
    // An absent key or value is what removal is after anyway. Keep going
    // after a failure: each entry removed is one less stale one, and the
    // user learns of the first failure either way.
    if (error == kErrorSuccess || error == kErrorFileNotFound || !outcome.ok())
      return;
    const bool needsAdministrator = root == ClassesRoot::machine && !isAdministrator;
    outcome.failure = {needsAdministrator ? FailureKind::dissociationNeedsAdministrator
                                          : FailureKind::notDissociated,
                       static_cast<unsigned long>(error), FullKeyName(root, key)};
  };
  for (const auto& key : kRemovalOrder) {
    if (key == kOpenWithKey) {
      // Only this program's entry of the list; the others are their programs'.
      note(store.DeleteValue(root, key, kTypeName), key);
      if (store.HasValues(root, key))
        continue;
    }
    // Once another program has taken over the extension, ".bik" is its data.
    // The check is exact: a differently spelt value was not written by us.
    if (key == kExtensionKey && store.ReadDefaultValue(root, key) != kTypeName)
      continue;
    // Somebody else's entries below the key; the key stays for them. A
    // ".bik" naming the type removed would hide a handler of the other store.
    if (store.HasSubKeys(root, key)) {
      if (key == kExtensionKey)
        note(store.DeleteValue(root, key, L""), key);
      continue;
    }
    note(store.DeleteKey(root, key), key);
  }
}

}  // namespace

std::wstring FullKeyName(ClassesRoot root, std::wstring_view key) {
  std::wstring name = root == ClassesRoot::user ? L"HKEY_CURRENT_USER\\" : L"HKEY_LOCAL_MACHINE\\";
  name.append(kClassesKey).append(L"\\").append(key);
  return name;
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
      {kTypeName, L"", L"bik video file"},
      {L"bik.video\\DefaultIcon", L"", path + L",0"},
      // Quoted, or a folder such as C:\Program Files would make the shell
      // look for C:\Program.exe.
      {kCommandKey, L"", L"\"" + path + L"\" \"%1\""},
      // The shell's "Open with" list, where the user can pick the program
      // even while another one is his choice for the extension.
      {kOpenWithKey, kTypeName, L""},
      {kExtensionKey, L"", kTypeName},
  };
}

AssociationOutcome RegisterAssociation(RegistryStore& store, std::wstring_view programPath) {
  // The shell expands %1, %L, %* and %NAME% anywhere in the command, so such
  // a path would start some other program, or lose the file's name.
  if (programPath.find(L'%') != std::wstring_view::npos)
    return {Failure{FailureKind::percentInProgramPath, 0, std::wstring(programPath)}};
  for (const auto& value : AssociationValues(programPath)) {
    if (const long error = store.WriteString(ClassesRoot::user, value)) {
      return {Failure{FailureKind::notAssociated, static_cast<unsigned long>(error),
                      FullKeyName(ClassesRoot::user, value.key)}};
    }
  }
  const auto choice = store.UserChoiceProgId();
  AssociationOutcome outcome;
  outcome.otherAppChosen = choice && !EqualIgnoringCase(*choice, kTypeName);
  return outcome;
}

std::wstring RegisteredMessage(const AssociationOutcome& outcome) {
  std::wstring text =
      L"Программа ассоциирована с файлами расширения *.bik\n\nТолько для текущего пользователя.";
  if (outcome.otherAppChosen)
    text +=
        L"\n\nНо Windows по-прежнему открывает файлы *.bik программой, которую вы выбрали раньше. "
        L"Сменить её можно в меню файла: «Открыть с помощью» → «Выбрать другое приложение» → "
        L"Vintrel, с отметкой «Всегда использовать это приложение».";
  return text;
}

AssociationOutcome RemoveAssociation(RegistryStore& store, bool isAdministrator,
                                     std::wstring_view programPath) {
  AssociationOutcome outcome;
  RemoveFrom(store, ClassesRoot::user, isAdministrator, outcome);
  // This program's registration in the machine store, made by an earlier
  // version or by hand, would keep the shell of every user without one of
  // their own opening .bik files with it. A standard user cannot change that
  // store; trying tells them so.
  if (NamesProgram(store.ReadDefaultValue(ClassesRoot::machine, kCommandKey), programPath))
    RemoveFrom(store, ClassesRoot::machine, isAdministrator, outcome);
  return outcome;
}

}  // namespace vintrel
