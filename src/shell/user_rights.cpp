#include "shell/user_rights.h"

#include <windows.h>

#include <aclapi.h>

#include <array>

namespace vintrel {
namespace {

struct SidFreer {
  PSID sid = nullptr;
  ~SidFreer() {
    if (sid)
      ::FreeSid(sid);
  }
};

struct LocalFreer {
  HLOCAL memory = nullptr;
  ~LocalFreer() { ::LocalFree(memory); }
};

// The groups every standard user's token holds, or may hold.
bool IsOthersGroup(PSID sid) {
  for (const WELL_KNOWN_SID_TYPE group : {WinWorldSid, WinAuthenticatedUserSid, WinInteractiveSid,
                                          WinBuiltinUsersSid, WinBuiltinGuestsSid}) {
    if (::IsWellKnownSid(sid, group))
      return true;
  }
  return false;
}

// What lets somebody plant or replace the program's files, or give
// themselves that right.
constexpr ACCESS_MASK kChangeAccess =
    FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD | DELETE | WRITE_DAC | WRITE_OWNER;

}  // namespace

bool FolderWritableByOthers(const std::wstring& folder) {
  PSID owner = nullptr;
  PACL dacl = nullptr;
  LocalFreer descriptor;
  if (::GetNamedSecurityInfoW(folder.c_str(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &dacl, nullptr, &descriptor.memory) != ERROR_SUCCESS) {
    return true;
  }
  // No access list grants everybody everything; an owner may rewrite it.
  if (!dacl || (owner && IsOthersGroup(owner)))
    return true;

  // The walk AccessCheck makes for a token of those groups: entries in
  // order, a right denied before it is granted stays denied.
  GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                          FILE_ALL_ACCESS};
  ACCESS_MASK granted = 0;
  ACCESS_MASK denied = 0;
  for (DWORD index = 0; index < dacl->AceCount; ++index) {
    void* entry = nullptr;
    if (!::GetAce(dacl, index, &entry))
      return true;
    const auto* header = static_cast<const ACE_HEADER*>(entry);
    const bool allows = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
    if (!allows && header->AceType != ACCESS_DENIED_ACE_TYPE)
      continue;
    // An inherit-only entry does not apply to the folder, but one that files
    // inherit lets others replace the program's files in it. Such a denial
    // is not trusted to cover them all.
    if ((header->AceFlags & INHERIT_ONLY_ACE) &&
        !(allows && (header->AceFlags & OBJECT_INHERIT_ACE))) {
      continue;
    }
    // Both entry kinds share this layout.
    auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(entry);
    if (!IsOthersGroup(&ace->SidStart))
      continue;
    ACCESS_MASK mask = ace->Mask;
    ::MapGenericMask(&mask, &mapping);
    if (allows)
      granted |= mask & ~denied;
    else
      denied |= mask & ~granted;
  }
  return (granted & kChangeAccess) != 0;
}

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
