#include "playback/player_command.h"

#include <array>

namespace vintrel {
namespace {

struct TextSwitch {
  std::wstring_view text;
  std::wstring_view flag;
};

// The order here is the order of the switches on the command line.
constexpr std::array<TextSwitch, 13> kOptionSwitches{{
    {L"re", L" /R"},
    {L"ce", L" /C"},
    {L"pe", L" /P"},
    {L"ne", L" /N"},
    {L"je", L" /J"},
    {L"ze", L" /Z"},
    {L"le", L" /L"},
    {L"se", L" /S"},
    {L"qe", L" /Q"},
    {L"ie", L" /I100"},
    {L"we", L" /W-1"},
    {L"ge", L" /G"},
    {L"ke", L" /K"},
}};

// "В окне" is the player's default and has no switch.
constexpr std::array<TextSwitch, 13> kDisplaySwitches{{
    {L"1280x1024", L" /D13"},
    {L"1152x864", L" /D12"},
    {L"1024x768", L" /D11"},
    {L"960x720", L" /D10"},
    {L"800x600", L" /D9"},
    {L"640x480", L" /D8"},
    {L"640x400", L" /D7"},
    {L"512x384", L" /D6"},
    {L"480x360", L" /D5"},
    {L"400x300", L" /D4"},
    {L"320x400", L" /D3"},
    {L"320x240", L" /D2"},
    {L"320x200", L" /D1"},
}};

// "Авто" lets the player use the file's own rate, so it has no switch.
constexpr std::array<TextSwitch, 9> kFrameRateSwitches{{
    {L"5.0", L" /F5.0"},
    {L"10.0", L" /F10.0"},
    {L"15.0", L" /F15.0"},
    {L"20.0", L" /F20.0"},
    {L"25.0", L" /F25.0"},
    {L"30.0", L" /F30.0"},
    {L"40.0", L" /F40.0"},
    {L"60.0", L" /F60.0"},
    {L"Максимум", L" /F"},
}};

constexpr int kChecked = 1;

template <std::size_t N>
std::wstring_view FlagFor(const std::array<TextSwitch, N>& table, std::wstring_view text) {
  for (const auto& entry : table) {
    if (entry.text == text)
      return entry.flag;
  }
  return {};
}

}  // namespace

std::wstring BuildSwitches(const std::function<int(std::wstring_view key)>& stateOf,
                           std::wstring_view displayText, std::wstring_view frameRateText) {
  std::wstring switches;
  for (const auto& option : kOptionSwitches) {
    if (stateOf(option.text) == kChecked)
      switches += option.flag;
  }
  switches += FlagFor(kDisplaySwitches, displayText);
  switches += FlagFor(kFrameRateSwitches, frameRateText);
  return switches;
}

std::wstring QuoteArgument(std::wstring_view arg) {
  // Backslashes are literal unless a quote follows them; then they halve. So
  // a run of them is doubled where a quote (escaped or the closing one)
  // comes next, and left alone elsewhere.
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      quoted.append(backslashes * 2 + 1, L'\\');
    } else {
      quoted.append(backslashes, L'\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

std::wstring BuildPlayerCommandLine(std::wstring_view playerPath, std::wstring_view filePath,
                                    std::wstring_view switches) {
  // The program's own name is split by a simpler rule than the arguments:
  // a leading quote runs to the next quote, with no escapes at all. Plain
  // quotes are therefore exact here, because a Windows path cannot contain a
  // quote. Quoting matters: unquoted, a folder such as C:\Program Files would
  // end the name at its first blank.
  std::wstring line = L"\"";
  line += playerPath;
  line += L"\" ";
  line += QuoteArgument(filePath);
  line += switches;
  return line;
}

std::wstring PlayerPath(std::wstring_view programFolder) {
  if (!programFolder.empty() && programFolder.back() == L'\\')
    programFolder.remove_suffix(1);
  std::wstring path(programFolder);
  path += L'\\';
  path += kPlayerFileName;
  return path;
}

}  // namespace vintrel
