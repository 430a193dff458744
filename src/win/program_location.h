#pragma once
#include <string>

namespace vintrel::win {

// Full path of the running executable, and its folder without a trailing
// backslash; the player and the association both hang off them.
std::wstring ProgramExecutablePath();
std::wstring ProgramFolder();

}  // namespace vintrel::win
