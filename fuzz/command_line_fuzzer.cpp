// The texts a user or a settings file hands the program. The program's own
// command line in, the player's command line out: the player's line is split
// back with the C runtime's rules, written out here independently, and must
// give back exactly the file and the switches. The first text also goes
// through the number conversions the settings dialog's load applies to a
// stored text (the display mode's own rows are the unit tests' business): a numbered AppError is
// the program's way of refusing text; any other exception or crash is a fault. An accepted number
// must be the C library's strtod value to the last bit.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <sstream>
#include <vector>

#include "app/command_line.h"
#include "common/app_error.h"
#include "fuzz.h"
#include "playback/player_command.h"
#include "probes.h"
#include "settings/settings_values.h"
#include "settings/stored_number.h"

namespace {

using namespace vintrel;

const auto IsBlank = [](wchar_t ch) { return ch == L' ' || ch == L'\t'; };

// The rules of msvcrt since 2008: 2n backslashes and a quote give n
// backslashes and toggle quoting, 2n+1 give n and a quote; "" inside quotes
// is a quote. The program's name is taken by the same rules here: the
// player's quoted path holds no quote and does not end in a backslash.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> args;
  for (size_t i = line.find_first_not_of(L" \t"); i < line.size();
       i = line.find_first_not_of(L" \t", i)) {
    std::wstring& arg = args.emplace_back();
    for (bool quoted = false; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
      const size_t slashes = std::min(line.find_first_not_of(L'\\', i), line.size()) - i;
      i += slashes;
      const bool quote = i < line.size() && line[i] == L'"';
      arg.append(quote ? slashes / 2 : slashes, L'\\');
      if (quote && slashes % 2 == 0 && quoted && line.substr(i + 1, 1) == L"\"") {
        arg += line[++i];
      } else if (quote && slashes % 2 == 0) {
        quoted = !quoted;
      } else if (i < line.size() && (quote || quoted || !IsBlank(line[i]))) {
        arg += line[i];
      } else {
        break;  // at the blank after the argument, or at the end
      }
    }
  }
  return args;
}

void CheckPlayerCommandLine(std::wstring folder, const std::wstring& filePath, FuzzInput& in) {
  std::erase(folder, L'"');  // a path cannot hold one, so the player's name is never escaped
  const std::wstring player = PlayerPath(folder);
  Options options;
  std::ranges::generate(options.states, [&] { return in.Byte() % 3; });
  // Past the lists' ends: a text that is no entry.
  const size_t display = in.Byte() % 16, rate = in.Byte() % 16;
  options.displayText = display < kDisplayEntries.size() ? kDisplayEntries[display].text : L"";
  options.frameRateText = rate < kFrameRateEntries.size() ? kFrameRateEntries[rate].text : L"x";
  const std::wstring switches = BuildSwitches(options);
  std::vector<std::wstring> expected{player, filePath};
  std::wistringstream words(switches);
  expected.insert(expected.end(), std::istream_iterator<std::wstring, wchar_t>(words), {});
  Require(SplitCommandLine(BuildPlayerCommandLine(player, filePath, switches)) == expected,
          "the player gets back its name, the file and the switches");
}

void CheckStoredText(const std::wstring& text) {
  double x = 0;
  int16_t integer = 0;
  const int numberError = ErrorOf([&] { x = ToNumber(text); });
  const int integerError = ErrorOf([&] { integer = ToInteger16(text); });
  if (numberError != 0) {
    Require(numberError == errors::kTypeMismatch && integerError == numberError,
            "what is no number is a type mismatch to both conversions");
    return;
  }
  const std::string ascii(text.begin(), text.end());
  char* end = nullptr;
  const double expected = std::strtod(ascii.c_str(), &end);
  Require(std::all_of(text.begin(), text.end(), [](wchar_t ch) { return ch < 0x80; }) &&
              std::string_view(end).find_first_not_of(" \t") == std::string_view::npos &&
              (x == expected || (std::isinf(expected) && std::isinf(x))),
          "an accepted number is ASCII, read to its end by strtod, and strtod's value");
  Require(integerError == 0 ? std::fabs(x - integer) <= 0.5
                            : integerError == errors::kOverflow && (x >= 32767.5 || x <= -32768.5),
          "ToInteger16 rounds to the nearest and refuses only out of range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vintrel::FuzzInput in{data, size};
  const std::wstring first = in.Text();
  const std::wstring second = in.Text();
  FileFromArguments(ArgumentsPart(first));  // the program's own line: no crash, no overread
  CheckPlayerCommandLine(second, first, in);
  CheckStoredText(first);
  return 0;
}
