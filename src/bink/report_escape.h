#pragma once
// How names and texts are written into each report form so that no reader
// of the report (a terminal, a JSON parser, a spreadsheet) takes them as
// anything but text. Paths and texts are UTF-8.
#include <string>
#include <string_view>

namespace vintrel {

// A name as the table shows it: control characters (C0 and C1), which a
// terminal could take as commands, written as JSON escapes; bytes that are
// not UTF-8 replaced by U+FFFD.
std::string TableName(std::string_view path);

// A JSON string literal; control characters escaped, bytes that are not
// UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view utf8);

// A CSV field, quoted when it holds a comma, a quote or a line break; one
// that a spreadsheet would run as a formula starts with a quote mark.
std::string CsvField(std::string_view text);

}  // namespace vintrel
