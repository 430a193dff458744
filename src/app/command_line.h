#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

// What follows the program's own name in fullCommandLine, the name taken the
// way Windows takes argv[0]: a leading quote runs to the next quote, anything
// else runs to the first blank or tab. The blanks and tabs around the result
// are dropped: Windows file names cannot end in a blank, and a launcher that
// pads the line must not turn "no file" into a file named " ".
std::wstring ArgumentsPart(std::wstring_view fullCommandLine);

// The quote that encloses a file name on the command line.
inline constexpr wchar_t kArgumentQuote = L'"';

// The file named by the argument text: the text between the first two
// quotes (possibly empty); with a single quote, the text after it to the
// end; with none, the whole text. Empty arguments name no file.
std::optional<std::wstring> FileFromArguments(std::wstring_view arguments);

}  // namespace vintrel
