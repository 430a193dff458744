#include "playback/player_command.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vintrel {
namespace {

// The argument splitting of CommandLineToArgvW, written from its documented
// rules: the program's name runs to the next quote when it starts with one
// (no escapes), otherwise to the first blank; after it, 2n backslashes and a
// quote give n backslashes and toggle quoting, 2n+1 give n and a literal
// quote, other backslashes are literal, and "" inside quotes is a quote.
std::vector<std::wstring> SplitLikeWindows(std::wstring_view line) {
  std::vector<std::wstring> args;
  std::size_t i = 0;
  std::wstring name;
  if (!line.empty() && line[0] == L'"') {
    for (i = 1; i < line.size() && line[i] != L'"'; ++i) name += line[i];
    if (i < line.size())
      ++i;
  } else {
    for (; i < line.size() && line[i] != L' ' && line[i] != L'\t'; ++i) name += line[i];
  }
  args.push_back(name);

  while (true) {
    while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
    if (i == line.size())
      return args;
    std::wstring arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == L'\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == L'"') {
        arg.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          arg += L'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          arg += L'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        arg.append(backslashes, L'\\');
        if (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t')))
          arg += line[i++];
      }
    }
    args.push_back(arg);
  }
}

TEST(QuoteArgument, RoundTripsThroughTheWindowsSplitting) {
  const std::wstring cases[] = {
      L"",
      L"C:\\Видео\\клип.bik",
      L"C:\\Program Files\\My Videos\\intro movie.bik",
      L"D:\\Rock'n'Roll\\it's.bik",
      L"C:\\folder\\",
      L"C:\\folder with blank\\\\",
      L"a\"b",
      L"a\\\"b",
      L"\\\\server\\share\\\"quoted\"\\",
      L"\ttab and  two blanks ",
  };
  for (const auto& path : cases) {
    const auto args = SplitLikeWindows(L"p " + QuoteArgument(path) + L" /R");
    ASSERT_EQ(args.size(), 3u) << QuoteArgument(path);
    EXPECT_EQ(args[1], path) << QuoteArgument(path);
    EXPECT_EQ(args[2], L"/R");
  }
}

TEST(PlayerCommandLine, SplitsIntoPlayerFileAndEachSwitch) {
  const std::wstring player = PlayerPath(L"C:\\Program Files\\Вінтрел ' тест\\");
  EXPECT_EQ(player, L"C:\\Program Files\\Вінтрел ' тест\\vintrel.dll");
  const std::wstring file = L"D:\\Мои видео\\it's a \"clip\".bik";

  const auto line = BuildPlayerCommandLine(player, file, L" /R /I100 /W-1 /F");
  const std::vector<std::wstring> expected{player, file, L"/R", L"/I100", L"/W-1", L"/F"};
  EXPECT_EQ(SplitLikeWindows(line), expected);

  EXPECT_EQ(BuildPlayerCommandLine(L"C:\\V\\vintrel.dll", L"C:\\a b.bik", L""),
            L"\"C:\\V\\vintrel.dll\" \"C:\\a b.bik\"");
  // An empty path still arrives as one (empty) argument.
  EXPECT_EQ(SplitLikeWindows(BuildPlayerCommandLine(player, L"", L" /G")),
            (std::vector<std::wstring>{player, L"", L"/G"}));
}

TEST(PlayerPath, AddsThePlayerToTheFolder) {
  EXPECT_EQ(PlayerPath(L"C:\\V"), L"C:\\V\\vintrel.dll");
  EXPECT_EQ(PlayerPath(L"C:\\"), L"C:\\vintrel.dll");
}

TEST(Switches, CheckedBoxesInTheirOwnOrderThenTheListsExactTexts) {
  using States = std::map<std::wstring, int>;
  States all;
  for (const auto* key :
       {L"re", L"pe", L"ce", L"ne", L"je", L"ze", L"ke", L"le", L"se", L"qe", L"ie", L"we", L"ge"})
    all[key] = 1;
  const struct {
    States states;
    const wchar_t *display, *rate, *expected;
  } cases[] = {
      {{}, L"В окне", L"Авто", L""},
      {all, L"1024x768", L"30.0", L" /R /C /P /N /J /Z /L /S /Q /I100 /W-1 /G /K /D11 /F30.0"},
      {{{L"ie", 1}, {L"we", 1}}, L"В окне", L"Максимум", L" /I100 /W-1 /F"},
      // Greyed boxes, and numbers no box takes, add nothing.
      {{{L"re", 2}, {L"ke", 1}, {L"ge", -1}, {L"se", 3}}, L"", L"", L" /K"},
      {{}, L"800x600", L"", L" /D9"},
      {{}, L"1280x1024", L"5.0", L" /D13 /F5.0"},
      {{}, L"320x200", L"60.0", L" /D1 /F60.0"},
      {{}, L"800X600", L"30", L""},
      {{}, L"800x600 ", L" 30.0", L""},
      {{}, L"320x400", L"максимум", L" /D3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.states.size() << " options, " << c.display << ", " << c.rate);
    Options options{{}, c.display, c.rate};
    for (size_t i = 0; i < kOptions.size(); ++i) {
      const auto found = c.states.find(kOptions[i].key);
      options.states[i] = found == c.states.end() ? 0 : found->second;
    }
    EXPECT_EQ(BuildSwitches(options), c.expected);
  }
}

}  // namespace
}  // namespace vintrel
