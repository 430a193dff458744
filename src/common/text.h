#pragma once
#include <string>
#include <string_view>

namespace vintrel {

// Upper case for the letters that Vintrel's own texts and typical Windows
// paths use: Latin (ASCII and Latin-1) and Cyrillic. Other characters are
// kept as they are. Independent of the C runtime's locale, which differs
// between the platforms the program and its tests run on.
wchar_t UpperCaseLetter(wchar_t c);
std::wstring UpperCase(std::wstring_view text);

// Equal after UpperCase: the way Windows compares file paths, for the
// letters above.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b);

// The blanks that separate words on a command line: spaces and tabs.
inline constexpr std::wstring_view kBlanks = L" \t";
// The text without leading and trailing blanks.
std::wstring_view TrimBlanks(std::wstring_view text);

}  // namespace vintrel
