// The program's own command line in, the player's command line out. The
// player's line is split back with the C runtime's rules, written out here
// independently, and must give back exactly the file and the switches.
#include <algorithm>
#include <sstream>
#include <vector>

#include "app/command_line.h"
#include "fuzz.h"
#include "playback/player_command.h"
#include "settings/settings_values.h"

namespace {

using namespace vintrel;
using fuzz::Require;

const auto IsBlank = [](wchar_t ch) { return ch == L' ' || ch == L'\t'; };

// The rules of msvcrt since 2008: 2n backslashes and a quote give n
// backslashes and toggle quoting, 2n+1 give n and a quote; "" inside quotes
// is a quote. The program's name is taken by the same rules here: the
// player's quoted path holds no quote and does not end in a backslash.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> args;
  for (size_t i = 0; i < line.size(); ++i) {
    if (IsBlank(line[i])) {
      continue;
    }
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

void CheckOwnCommandLine(const std::wstring& line, const std::wstring& quote) {
  const std::wstring arguments = ArgumentsPart(line);
  Require(line.find(arguments) != std::wstring::npos &&
              (arguments.empty() || (!IsBlank(arguments.front()) && !IsBlank(arguments.back()))),
          "the arguments come from the line, without blanks around them");
  const std::optional<std::wstring> file = FileFromArguments(arguments, quote);
  Require(file ? arguments.find(*file) != std::wstring::npos &&
                     (quote.size() != 1 || file->find(quote[0]) == std::wstring::npos)
               : arguments.empty(),
          "a file, part of the arguments with no quote character, exactly when there are any");
}

void CheckPlayerCommandLine(std::wstring folder, const std::wstring& filePath,
                            fuzz::FuzzInput& in) {
  std::erase(folder, L'"');  // a path cannot hold one, so the player's name is never escaped
  const std::wstring player = PlayerPath(folder);
  Options options;
  for (int& state : options.states) {
    state = in.Byte() % 3;
  }
  // Past the lists' ends: a text that is no entry.
  const size_t display = in.Byte() % 16, rate = in.Byte() % 16;
  options.displayText = display < kDisplayEntries.size() ? kDisplayEntries[display].text : L"";
  options.frameRateText = rate < kFrameRateEntries.size() ? kFrameRateEntries[rate].text : L"x";
  const std::wstring switches = BuildSwitches(options);
  std::vector<std::wstring> expected{player, filePath};
  std::wistringstream words(switches);
  for (std::wstring word; words >> word;) {
    expected.push_back(word);
  }
  Require(SplitCommandLine(BuildPlayerCommandLine(player, filePath, switches)) == expected,
          "the player gets back its name, the file and the switches");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vintrel::fuzz::FuzzInput in{data, size};
  const std::wstring first = in.Text();
  const std::wstring second = in.Text();
  CheckOwnCommandLine(first, second.empty() ? L"\"" : second);
  CheckPlayerCommandLine(second, first, in);
  return 0;
}
