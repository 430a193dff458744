#include "playback/player_command.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/path_folder.h"

namespace vintrel {
namespace {

// Expected forms follow the documented splitting of CommandLineToArgvW and
// the C runtime: backslashes are literal unless a quote follows, then 2n give
// n and the quote ends the argument, 2n+1 give n and a literal quote.
TEST(PlayerCommandLine, TheFileQuotedTheSwitchesInOrderAndTheStartFolder) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {LR"(C:\Мои видео\it's a clip.bik)", LR"("C:\Мои видео\it's a clip.bik")"},
      {LR"(C:\folder\)", LR"("C:\folder\\")"},
      {LR"(C:\two\\)", LR"("C:\two\\\\")"},
      {LR"(a\"b)", LR"("a\\\"b")"}};
  for (const auto& [path, quoted] : cases) EXPECT_EQ(QuoteArgument(path), quoted) << path;

  EXPECT_EQ(BuildPlayerCommandLine(PlayerPath(L"C:\\V W\\"), L"C:\\a b.bik", L" /R /F"),
            LR"("C:\V W\vintrel.dll" "C:\a b.bik" /R /F)");
  // The switches: checked boxes in their own order, then the lists' exact texts.
  using States = std::map<std::wstring, int>;
  States all;
  for (const Option& option : kOptions) all[option.key] = 1;
  const struct {
    States states;
    const wchar_t *display, *rate, *expected;
  } switches[] = {
      {{}, L"В окне", L"Авто", L""},
      {all, L"1024x768", L"30.0", L" /R /C /P /N /J /Z /L /S /Q /I100 /W-1 /G /K /D11 /F30.0"},
      {{{L"ie", 1}, {L"we", 1}}, L"В окне", L"Максимум", L" /I100 /W-1 /F"},
      // Greyed boxes, and numbers no box takes, add nothing.
      {{{L"re", 2}, {L"ke", 1}, {L"ge", -1}, {L"se", 3}}, L"", L"", L" /K"},
      {{}, L"1280x1024", L"5.0", L" /D13 /F5.0"},
      {{}, L"320x200", L"60.0", L" /D1 /F60.0"},
      {{}, L"800x600 ", L" 30.0", L""},
      {{}, L"320x400", L"максимум", L" /D3"}};
  for (const auto& c : switches) {
    SCOPED_TRACE(testing::Message() << c.states.size() << " options, " << c.display);
    Options options{{}, c.display, c.rate};
    for (size_t i = 0; i < kOptions.size(); ++i)
      options.states[i] = c.states.contains(kOptions[i].key) ? c.states.at(kOptions[i].key) : 0;
    EXPECT_EQ(BuildSwitches(options), c.expected);
  }
  // The player starts in the file's folder: a drive's root keeps its separator
  // ("C:" alone is the drive's current folder), doubled separators before the
  // name go.
  const std::pair<const wchar_t*, const wchar_t*> folders[] = {
      {L"C:\\Видео\\мой фильм.bik", L"C:\\Видео"},
      {L"C:/videos/intro.bik", L"C:/videos"},
      {L"\\\\server\\share\\intro.bik", L"\\\\server\\share"},
      {L"C:\\intro.bik", L"C:\\"},
      {L"D:/intro.bik", L"D:/"},
      {L"\\intro.bik", L"\\"},
      {L"C:\\videos\\\\intro.bik", L"C:\\videos"},
      {L"C:\\\\intro.bik", L"C:\\"},
      {L"", L""},
      {L"intro.bik", L""},
      {L"C:intro.bik", L""}};
  for (const auto& [path, folder] : folders) EXPECT_EQ(FolderOf(path), folder) << path;
}

}  // namespace
}  // namespace vintrel
