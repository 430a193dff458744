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

// The file named by the argument text, found with quote (the text of the
// hidden box "kov", a single '"'): the text between the first two quote
// characters (possibly empty); with a single quote, the text after it to the
// end; with none, the whole text. Empty arguments name no file. A quote text
// that is not exactly one character matches nothing.
std::optional<std::wstring> FileFromArguments(std::wstring_view arguments, std::wstring_view quote);

}  // namespace vintrel
