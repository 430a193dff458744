#include "playback/player_command.h"

#include <array>
#include <optional>

namespace vintrel {
namespace {

struct OptionSwitch {
  std::wstring_view key;
  std::wstring_view flag;
};

// The order here is the order of the switches on the command line.
constexpr std::array<OptionSwitch, 13> kOptionSwitches{{
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

constexpr int kChecked = 1;

// "В окне" is the player's default and has no switch.
std::wstring DisplaySwitch(std::wstring_view text) {
  const std::optional<int> index = DisplayIndexForText(text);
  return index && *index != kWindowedDisplayIndex ? L" /D" + std::to_wstring(*index)
                                                  : std::wstring();
}

// "Авто" lets the player use the file's own rate, so it has no switch;
// "Максимум" is the switch without a rate.
std::wstring FrameRateSwitch(std::wstring_view text) {
  const std::optional<std::wstring> stored = FrameRateStoredForText(text);
  if (!stored || *stored == kAutoFrameRate)
    return {};
  return *stored == kMaximumFrameRate ? L" /F" : L" /F" + *stored;
}

}  // namespace

std::wstring BuildSwitches(const Options& options) {
  std::wstring switches;
  for (const auto& option : kOptionSwitches) {
    if (options.State(option.key) == kChecked)
      switches += option.flag;
  }
  switches += DisplaySwitch(options.displayText);
  switches += FrameRateSwitch(options.frameRateText);
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
