#pragma once
// What the settings window shows, what the file stores for it, and the rules
// between the two.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "settings/options.h"
#include "settings/stored_number.h"

namespace vintrel {

inline constexpr const wchar_t* kDisplayKey = L"de";
inline constexpr const wchar_t* kFrameRateKey = L"fe";
// The memory list's key, which only the recovery writes.
inline constexpr const wchar_t* kMemoryKey = L"ee";

// A check box takes only 0 (cleared), 1 (checked) and 2 (greyed); any other
// number throws errors::InvalidPropertyValue().
int CheckBoxState(int16_t stored);

// What a check box state writes under its key: nothing for a greyed box.
std::optional<std::wstring> StoredTextForState(int state);

// Display mode: list entries in list order with the index stored under "de"
// and given to the player as "/D" and the index.
struct DisplayEntry {
  const wchar_t* text;
  int index;
};
inline constexpr std::array<DisplayEntry, 14> kDisplayEntries{{
    {L"320x200", 1},
    {L"320x240", 2},
    {L"320x400", 3},
    {L"400x300", 4},
    {L"480x360", 5},
    {L"512x384", 6},
    {L"640x400", 7},
    {L"640x480", 8},
    {L"800x600", 9},
    {L"960x720", 10},
    {L"1024x768", 11},
    {L"1152x864", 12},
    {L"1280x1024", 13},
    {L"В окне", 0},  // the player's default, which needs no switch
}};
inline constexpr int kWindowedDisplayIndex = 0;
inline constexpr const wchar_t* kDisplayInitialText = L"1024x768";
inline constexpr const wchar_t* kDisplayTooltip = L"Выбири разрешение экрана или просмотр в окне";

// Exact, case-sensitive match against the list entries.
std::optional<int> DisplayIndexForText(std::wstring_view text);
// The decimal text to store for a shown text, if it is a list entry.
std::optional<std::wstring> DisplayStoredForText(std::wstring_view text);
// Compares the stored text as a number with 13 down to 0, so "011" and "11.0"
// match 11. Throws errors::TypeMismatch() for text that is not a number;
// nullopt when no index is equal.
std::optional<std::wstring> DisplayTextForStored(std::wstring_view stored);

// Frame rate: list entries in list order, the text stored under "fe", and
// the player's switch.
struct FrameRateEntry {
  const wchar_t* text;
  const wchar_t* stored;
  const wchar_t* playerSwitch;
};
inline constexpr std::array<FrameRateEntry, 10> kFrameRateEntries{{
    {L"5.0", L"5.0", L" /F5.0"},
    {L"10.0", L"10.0", L" /F10.0"},
    {L"15.0", L"15.0", L" /F15.0"},
    {L"20.0", L"20.0", L" /F20.0"},
    {L"25.0", L"25.0", L" /F25.0"},
    {L"30.0", L"30.0", L" /F30.0"},
    {L"40.0", L"40.0", L" /F40.0"},
    {L"60.0", L"60.0", L" /F60.0"},
    {L"Максимум", L"max", L" /F"},
    {L"Авто", L"auto", L""},  // the file's own rate, the player's default
}};
inline constexpr const wchar_t* kFrameRateInitialText = L"Авто";
inline constexpr const wchar_t* kFrameRateTooltip = L"Задаёт количество кадров в секунду";

// The entry shown as `text`, compared exactly, letter case included.
const FrameRateEntry* FrameRateForText(std::wstring_view text);
// Both directions compare exactly, letter case included; never throw.
std::optional<std::wstring> FrameRateTextForStored(std::wstring_view stored);
std::optional<std::wstring> FrameRateStoredForText(std::wstring_view text);

// The two lists that are shown disabled and carry no setting.
inline constexpr std::array<const wchar_t*, 4> kColourDepthEntries{L"8bit", L"16bit", L"24bit",
                                                                   L"32bit"};
inline constexpr const wchar_t* kColourDepthText = L"32bit";
inline constexpr std::array<const wchar_t*, 8> kMemoryEntries{L"5.0",  L"10.0", L"15.0", L"20.0",
                                                              L"25.0", L"30.0", L"40.0", L"60.0"};
inline constexpr const wchar_t* kMemoryText = L"Максимум";

// What the recovery writes after a stored value failed to read, in this
// order: each box's value in the rows' order, then the memory list's and the
// display mode's ("1024x768"). The frame rate is left alone: the next close
// stores it.
struct StoredValue {
  const wchar_t* key;
  const wchar_t* value;
};
inline constexpr auto kRecoveryFile = [] {
  std::array<StoredValue, kOptions.size() + 2> file{};
  for (std::size_t row = 0; row < kOptions.size(); ++row)
    file[row] = {kOptions[row].key, kOptions[row].recoveryValue};
  file[kOptions.size()] = {kMemoryKey, L"0"};
  file[kOptions.size() + 1] = {kDisplayKey, L"11"};
  return file;
}();

// The playback options, as the settings window shows them and the player's
// switches are built from them: what the file holds once loaded.
struct Options {
  // By row of kOptions: 0 cleared, 1 checked, 2 greyed.
  std::array<int, kOptions.size()> states{};
  std::wstring displayText = kDisplayInitialText;
  std::wstring frameRateText = kFrameRateInitialText;

  // The file's steps (settings_file.h tells when each runs, and why).
  // The load, into fresh options: the first value that cannot be applied
  // ends it, as a failure naming its key, with what was read before it and
  // the designed values after; a file that is there but cannot be read fails
  // before anything is read.
  std::optional<Failure> Load();
  // The close: "fe", then "de", each only when its text is a list entry.
  void Save() const;
  // A click on the box of `row`: nothing for a greyed box.
  void StoreBox(std::size_t row) const;
  // Typing in a list: its text, when it is an entry.
  void StoreDisplay() const;
  void StoreFrameRate() const;
};

}  // namespace vintrel
