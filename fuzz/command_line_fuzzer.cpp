// The program's own command line in, the player's command line out. The
// player's line is split back with the rules of the C runtime and
// CommandLineToArgvW, written out here independently, and must give back
// exactly the file and the switches that went in.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "fuzz_input.h"
#include "playback/player_command.h"
#include "settings/settings_values.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

bool IsBlank(wchar_t ch) {
  return ch == L' ' || ch == L'\t';
}

// The program name ends at the next quote if it starts with one, else at the
// first blank; the arguments follow the rules of msvcrt since 2008.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> args;
  size_t i = 0;
  std::wstring name;
  if (!line.empty() && line[0] == L'"') {
    for (i = 1; i < line.size() && line[i] != L'"'; ++i) {
      name += line[i];
    }
    if (i < line.size()) {
      ++i;
    }
  } else {
    for (; i < line.size() && !IsBlank(line[i]); ++i) {
      name += line[i];
    }
  }
  args.push_back(name);
  while (true) {
    while (i < line.size() && IsBlank(line[i])) {
      ++i;
    }
    if (i >= line.size()) {
      break;
    }
    std::wstring arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      size_t backslashes = 0;
      while (i < line.size() && line[i] == L'\\') {
        ++backslashes;
        ++i;
      }
      if (i < line.size() && line[i] == L'"') {
        arg.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          arg += L'"';
          ++i;
        } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          arg += L'"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg.append(backslashes, L'\\');
        if (i < line.size() && (quoted || !IsBlank(line[i]))) {
          arg += line[i];
          ++i;
        }
      }
    }
    args.push_back(arg);
  }
  return args;
}

std::vector<std::wstring> Words(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::wstring word;
  for (const wchar_t ch : text) {
    if (ch == L' ') {
      if (!word.empty()) {
        words.push_back(word);
      }
      word.clear();
    } else {
      word += ch;
    }
  }
  if (!word.empty()) {
    words.push_back(word);
  }
  return words;
}

void CheckOwnCommandLine(const std::wstring& line, const std::wstring& quote) {
  const std::wstring arguments = vintrel::ArgumentsPart(line);
  Require(line.find(arguments) != std::wstring::npos, "the arguments come from the line");
  Require(arguments.empty() || (!IsBlank(arguments.front()) && !IsBlank(arguments.back())),
          "no blanks around the arguments");

  const std::optional<std::wstring> file = vintrel::FileFromArguments(arguments, quote);
  Require(file.has_value() == !arguments.empty(), "a file exactly when there are arguments");
  if (file) {
    Require(arguments.find(*file) != std::wstring::npos, "the file is part of the arguments");
    if (quote.size() == 1) {
      Require(file->find(quote[0]) == std::wstring::npos, "the file holds no quote character");
    }
  }
}

void CheckPlayerCommandLine(const std::wstring& folder, const std::wstring& filePath,
                            vintrel::fuzz::FuzzInput& in) {
  const std::wstring player = vintrel::PlayerPath(folder);
  Require(player.ends_with(L"\\vintrel.dll"), "the player sits in the folder");
  Require(player.find(L"\\\\vintrel.dll") == std::wstring::npos || folder.ends_with(L"\\\\"),
          "one backslash before the player's name");

  const uint16_t checked = in.U16();
  vintrel::Options options;
  for (size_t i = 0; i < options.states.size(); ++i) {
    options.states[i] = (checked >> i) & 1 ? 1 : ((checked >> 13) & 1 ? 2 : 0);
  }
  const uint8_t display = in.Byte();
  const uint8_t rate = in.Byte();
  const std::wstring displayText = display < vintrel::kDisplayEntries.size()
                                       ? vintrel::kDisplayEntries[display].text
                                       : in.Text();
  const std::wstring rateText =
      rate < vintrel::kFrameRateEntries.size() ? vintrel::kFrameRateEntries[rate].text : in.Text();
  options.displayText = displayText;
  options.frameRateText = rateText;
  const std::wstring switches = vintrel::BuildSwitches(options);
  Require(switches.empty() || switches.starts_with(L" /"), "switches start with a blank");

  // A path cannot hold a quote, so the player's own name is never escaped.
  if (player.find(L'"') != std::wstring::npos) {
    return;
  }
  const std::wstring line = vintrel::BuildPlayerCommandLine(player, filePath, switches);
  std::vector<std::wstring> expected{player, filePath};
  for (const std::wstring& word : Words(switches)) {
    expected.push_back(word);
  }
  Require(SplitCommandLine(line) == expected, "the player gets back its name, file and switches");
  Require(SplitCommandLine(L"x " + vintrel::QuoteArgument(filePath)) ==
              std::vector<std::wstring>{L"x", filePath},
          "a quoted argument splits back to itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vintrel::fuzz::FuzzInput in(data, size);
  const std::wstring first = in.Text();
  const std::wstring second = in.Text();
  CheckOwnCommandLine(first, second.empty() ? L"\"" : second);
  CheckPlayerCommandLine(second, first, in);
  return 0;
}
