#include "playback/player_command.h"

#include <optional>

namespace vintrel {
namespace {

constexpr int kChecked = 1;

}  // namespace

std::wstring BuildSwitches(const Options& options) {
  std::wstring switches;
  for (const std::size_t row : kSwitchOrder) {
    if (options.states[row] == kChecked)
      switches += kOptions[row].playerSwitch;
  }
  const std::optional<int> display = DisplayIndexForText(options.displayText);
  if (display && *display != kWindowedDisplayIndex)
    switches += L" /D" + std::to_wstring(*display);
  if (const FrameRateEntry* rate = FrameRateForText(options.frameRateText))
    switches += rate->playerSwitch;
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
