#include "bink/report_escape.h"

#include <cstdint>
#include <cstdio>

namespace vintrel {
namespace {

// Length of a valid UTF-8 sequence starting at `at`, or 0.
size_t Utf8Length(std::string_view s, size_t at) {
  const auto b = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = b(at);
  size_t length = 0;
  uint32_t min = 0;
  uint32_t code = 0;
  if (lead < 0x80) {
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, min = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, min = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (s.size() - at < length) {
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    if ((b(at + i) & 0xC0) != 0x80) {
      return 0;
    }
    code = code << 6 | (b(at + i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < min || code > 0x10FFFF || surrogate ? 0 : length;
}

// Calls `put` with each character of `text`: a valid UTF-8 sequence as it
// is, a byte that is not UTF-8 as U+FFFD.
template <typename Put>
void EachCharacter(std::string_view text, Put put) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = Utf8Length(text, at);
    put(length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(at, length));
    at += length == 0 ? 1 : length;
  }
}

void AppendEscape(std::string& out, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04X", code);
  out += escape;
}

}  // namespace

// A name as the table shows it: control characters, which a terminal could
// take as commands, written as JSON escapes.
std::string TableName(std::string_view path) {
  std::string out;
  EachCharacter(path, [&](std::string_view c) {
    const auto lead = static_cast<uint8_t>(c[0]);
    const bool c1 = lead == 0xC2 && c.size() == 2 && static_cast<uint8_t>(c[1]) < 0xA0;
    if (lead < 0x20 || lead == 0x7F || c1) {
      AppendEscape(out, c1 ? static_cast<uint8_t>(c[1]) : lead);
    } else {
      out += c;
    }
  });
  return out;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  EachCharacter(utf8, [&](std::string_view c) {
    if (c[0] == '"' || c[0] == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<uint8_t>(c[0]) < 0x20 || c[0] == 0x7F) {
      AppendEscape(out, static_cast<uint8_t>(c[0]));
    } else {
      out += c;
    }
  });
  return out + "\"";
}

// A spreadsheet runs a cell that starts with one of these as a formula.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

std::string CsvField(std::string_view text) {
  std::string cell = text.empty() || kFormulaStarts.find(text[0]) == std::string_view::npos
                         ? std::string()
                         : std::string("'");
  EachCharacter(text, [&](std::string_view c) { cell += c; });
  if (cell.find_first_of(",\"\r\n") == std::string::npos) {
    return cell;
  }
  std::string out = "\"";
  for (const char c : cell) {
    out += c == '"' ? "\"\"" : std::string(1, c);
  }
  return out + "\"";
}

}  // namespace vintrel
