#include "shell/file_association.h"

#include <shlobj.h>

#include <string>

#include "dialogs/message_box.h"
#include "shell/association.h"
#include "shell/classes_store.h"
#include "shell/user_rights.h"
#include "ui/program_location.h"
#include "ui/system_error.h"

namespace vintrel {
namespace {

constexpr wchar_t kIntegrationTitle[] = L"Интеграция";

void ReportFailure(const AssociationOutcome& outcome, const wchar_t* whatFailed,
                   const wchar_t* action, HICON programIcon) {
  const std::wstring text = std::wstring(whatFailed) + L"\n\n" + action + L" " +
                            FullKeyName(outcome.root, outcome.key) + L":\n" +
                            ui::SystemErrorText(static_cast<unsigned long>(outcome.error));
  ShowProgramMessage(text, kErrorTitle, programIcon);
}

// Explorer caches handlers; without this it keeps showing the old one until
// the next log-on.
void TellShellAssociationsChanged() {
  ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace

void RegisterBikAssociation(HICON programIcon) {
  ClassesStore store;
  const ClassesRoot root = ChooseClassesRoot(RunsAsAdministrator());
  const AssociationOutcome outcome =
      RegisterAssociation(store, root, ProgramPath(ui::ProgramExecutablePath()));
  if (!outcome.ok) {
    ReportFailure(outcome, L"Программа не ассоциирована с файлами расширения *.bik.",
                  L"Не удалось записать раздел реестра", programIcon);
    return;
  }
  TellShellAssociationsChanged();
  ShowProgramMessage(L"Программа ассоциирована с файлами расширения *.bik", kIntegrationTitle,
                     programIcon);
}

void RemoveBikAssociation(HICON programIcon) {
  ClassesStore store;
  const AssociationOutcome outcome =
      RemoveAssociation(store, RunsAsAdministrator(), ProgramPath(ui::ProgramExecutablePath()));
  if (!outcome.ok) {
    ReportFailure(outcome, L"Связь программы с файлами расширения *.bik не удалена.",
                  L"Не удалось удалить раздел реестра", programIcon);
    return;
  }
  TellShellAssociationsChanged();
  ShowProgramMessage(L"Программа больше не связана с файлами расширения *.bik", kIntegrationTitle,
                     programIcon);
}

}  // namespace vintrel
