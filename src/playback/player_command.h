#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace vintrel {

// File name of the external player, kept in the program's own folder.
inline constexpr wchar_t kPlayerFileName[] = L"vintrel.dll";

// The player's switches for the current options: the thirteen check boxes
// (state 1 = checked; cleared and greyed add nothing), then at most one
// display switch for the text of "de1" and one frame-rate switch for the text
// of "fe". Both texts must match an entry exactly, case included. Every
// switch begins with one blank, so the result is either empty or " /R ...".
// stateOf is asked once per option, by its two-letter name.
std::wstring BuildSwitches(const std::function<int(std::wstring_view key)>& stateOf,
                           std::wstring_view displayText, std::wstring_view frameRateText);

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
