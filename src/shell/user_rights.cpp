#include "shell/user_rights.h"

#include <windows.h>

namespace vintrel {
namespace {

struct SidFreer {
  PSID sid = nullptr;
  ~SidFreer() {
    if (sid)
      ::FreeSid(sid);
  }
};

}  // namespace

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

}  // namespace vintrel
