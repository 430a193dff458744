#pragma once
#include <string>
#include <string_view>

#include "settings/settings_values.h"

namespace vintrel {

// File name of the external player, kept in the program's own folder.
inline constexpr wchar_t kPlayerFileName[] = L"vintrel.dll";

// The player's switches for the options: the check boxes (state 1 =
// checked; cleared and greyed add nothing), then at most one display switch,
// /D and the list index, and one frame-rate switch, /F and the rate. Both
// texts must match a list entry exactly, case included. Every switch begins
// with one blank, so the result is either empty or " /R ...".
std::wstring BuildSwitches(const Options& options);

// arg in double quotes, escaped so that CommandLineToArgvW and the C
// runtime's argument parser hand back exactly arg as one argument, whatever
// blanks, quotes or backslashes it holds.
std::wstring QuoteArgument(std::wstring_view arg);

// The player's command line: its quoted path, a blank, the quoted file path,
// then the switches as they are. Split by the platform's rules this gives the
// player's path, the file path, and each switch as an argument of its own.
std::wstring BuildPlayerCommandLine(std::wstring_view playerPath, std::wstring_view filePath,
                                    std::wstring_view switches);

// Full path of the player in programFolder (one trailing backslash allowed).
std::wstring PlayerPath(std::wstring_view programFolder);

}  // namespace vintrel
