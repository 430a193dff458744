#pragma once

namespace vintrel {

// True when the program runs with administrator rights in effect: a member of
// the Administrators group with an elevated token. Under UAC a standard
// start of an administrator's program is not, as its token only denies that
// group.
bool RunsAsAdministrator();

}  // namespace vintrel
