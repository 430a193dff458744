#pragma once
#include <string>

namespace vintrel {

// True when the program runs with administrator rights in effect: a member of
// the Administrators group with an elevated token. Under UAC a standard
// start of an administrator's program is not, as its token only denies that
// group.
bool RunsAsAdministrator();

// True unless the folder's access list shows that only administrators (and
// the system) may add, replace or delete its files, or change its rights or
// those its files inherit.
// Users, Authenticated Users, Interactive, Guests and Everyone are weighed as
// a standard user's token holds them; an owner among them, no access list at
// all, or a list that cannot be read counts as writable.
bool FolderWritableByOthers(const std::wstring& folder);

}  // namespace vintrel
