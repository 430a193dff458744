#include "playback/player_command.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vintrel {
namespace {

// The checked boxes' switches in their own order, then the lists' exact
// texts; greyed boxes, and numbers no box takes, add nothing.
TEST(PlayerSwitches, CheckedBoxesInTheirOrderThenDisplayAndFrameRate) {
  std::map<std::wstring, int> all;
  for (const Option& option : kOptions) all[option.key] = 1;
  const struct {
    std::map<std::wstring, int> states;
    const wchar_t *display, *rate, *expected;
  } cases[] = {
      {{}, L"В окне", L"Авто", L""},
      {all, L"1024x768", L"30.0", L" /R /C /P /N /J /Z /L /S /Q /I100 /W-1 /G /K /D11 /F30.0"},
      {{{L"ie", 1}, {L"we", 1}}, L"1280x1024", L"Максимум", L" /I100 /W-1 /D13 /F"},
      {{{L"re", 2}, {L"ke", 1}, {L"ge", -1}, {L"se", 3}}, L"320x200", L"5.0", L" /K /D1 /F5.0"},
      {{}, L"320x400", L"максимум", L" /D3"}};
  for (const auto& c : cases) {
    Options options;
    options.displayText = c.display, options.frameRateText = c.rate;
    for (size_t row = 0; row < kOptions.size(); ++row)
      options.states[row] =
          c.states.contains(kOptions[row].key) ? c.states.at(kOptions[row].key) : 0;
    EXPECT_EQ(BuildSwitches(options), c.expected) << c.states.size() << " boxes, " << c.display;
  }
}

// The player's path quoted, then the file quoted as the platform's splitting
// hands it back whatever it holds (the fuzz target splits every such line),
// then the switches as they are.
TEST(PlayerCommandLine, PlayerAndFileQuotedThenTheSwitches) {
  EXPECT_EQ(BuildPlayerCommandLine(PlayerPath(L"C:\\V W\\"), L"C:\\a b\\", L" /R /F"),
            LR"("C:\V W\vintrel.dll" "C:\a b\\" /R /F)");
}

}  // namespace
}  // namespace vintrel
