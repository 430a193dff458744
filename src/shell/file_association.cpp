#include "shell/file_association.h"

#include <windows.h>

#include <shlobj.h>

#include "shell/association.h"
#include "shell/classes_store.h"
#include "win/program_location.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

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

AssociationOutcome RegisterBikAssociation() {
  ClassesStore store;
  AssociationOutcome outcome = RegisterAssociation(store, ProgramPath(win::ProgramExecutablePath()));
  if (outcome.ok())
    TellShellAssociationsChanged();
  return outcome;
}

AssociationOutcome RemoveBikAssociation() {
  ClassesStore store;
  AssociationOutcome outcome =
      RemoveAssociation(store, RunsAsAdministrator(), ProgramPath(win::ProgramExecutablePath()));
  if (outcome.ok())
    TellShellAssociationsChanged();
  return outcome;
}

}  // namespace vintrel
