#include "shell/file_association.h"

#include <shlobj.h>

#include <string>

#include "dialogs/message_box.h"
#include "shell/association.h"
#include "shell/classes_store.h"
#include "win/program_location.h"
#include "win/system_error.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

constexpr wchar_t kIntegrationTitle[] = L"Интеграция";

void ReportFailure(const AssociationOutcome& outcome, const wchar_t* whatFailed,
                   const wchar_t* action, HICON programIcon) {
  std::wstring text = std::wstring(whatFailed) + L"\n\n";
  if (outcome.failure == AssociationFailure::percentInPath) {
    text +=
        L"В пути к программе есть знак «%», который оболочка Windows заменила бы при "
        L"открытии файла:\n" +
        ProgramPath(win::ProgramExecutablePath()) +
        L"\nПереместите программу в папку, в пути к которой нет этого знака.";
  } else {
    text += std::wstring(action) + L" " + FullKeyName(outcome.root, outcome.key) + L":\n" +
            win::SystemErrorText(static_cast<unsigned long>(outcome.error));
  }
  if (outcome.failure == AssociationFailure::administratorNeeded)
    text +=
        L"\n\nЭта связь сделана для всех пользователей; удалить её можно только с правами "
        L"администратора.";
  ShowProgramMessage(text, kErrorTitle, programIcon);
}

struct SidFreer {
  PSID sid = nullptr;
  ~SidFreer() {
    if (sid)
      ::FreeSid(sid);
  }
};

// True when the program runs with administrator rights in effect: a member of
// the Administrators group with an elevated token. Under UAC a standard
// start of an administrator's program is not, as its token only denies that
// group.
bool RunsAsAdministrator() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  SidFreer administrators;
  if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators.sid)) {
    return false;
  }
  BOOL member = FALSE;
  // A null token checks the calling thread's effective token, where a
  // filtered (non-elevated) token holds the group for denial only.
  if (!::CheckTokenMembership(nullptr, administrators.sid, &member))
    return false;
  return member != FALSE;
}

// Explorer caches handlers; without this it keeps showing the old one until
// the next log-on.
void TellShellAssociationsChanged() {
  if (const auto notify =
          win::SystemFunction<decltype(::SHChangeNotify)>(L"shell32.dll", "SHChangeNotify"))
    notify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace

void RegisterBikAssociation(HICON programIcon) {
  ClassesStore store;
  const AssociationOutcome outcome =
      RegisterAssociation(store, ProgramPath(win::ProgramExecutablePath()));
  if (!outcome.ok()) {
    ReportFailure(outcome, L"Программа не ассоциирована с файлами расширения *.bik.",
                  L"Не удалось записать раздел реестра", programIcon);
    return;
  }
  TellShellAssociationsChanged();
  ShowProgramMessage(RegisteredMessage(outcome), kIntegrationTitle, programIcon);
}

void RemoveBikAssociation(HICON programIcon) {
  ClassesStore store;
  const AssociationOutcome outcome =
      RemoveAssociation(store, RunsAsAdministrator(), ProgramPath(win::ProgramExecutablePath()));
  if (!outcome.ok()) {
    ReportFailure(outcome, L"Связь программы с файлами расширения *.bik не удалена.",
                  L"Не удалось удалить раздел реестра", programIcon);
    return;
  }
  TellShellAssociationsChanged();
  ShowProgramMessage(L"Программа больше не связана с файлами расширения *.bik", kIntegrationTitle,
                     programIcon);
}

}  // namespace vintrel
