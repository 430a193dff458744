#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "res/settings_dialog_ids.h"
#include "settings/stored_number.h"

namespace vintrel {

inline constexpr const wchar_t* kDisplayKey = L"de";
inline constexpr const wchar_t* kFrameRateKey = L"fe";

// One on/off playback option: its key is also the name of its check box.
struct OptionSpec {
  const wchar_t* key;
  int controlId;
  const wchar_t* caption;
  const wchar_t* tooltip;
};

// In the order in which the loads read them.
inline constexpr std::array<OptionSpec, 13> kOptions{{
    {L"re", settings_ids::fillBackgroundBox, L"Заполнить экран бэкграундом",
     L"Неиспользуемая часть экрна заполнится монотонным цветом"},
    {L"pe", settings_ids::loadIntoMemoryBox, L"Загрузка видео в память",
     L"Это только для тех, у кого памяти немерянно. Остальным этот параметр лучше не включать"},
    {L"ce", settings_ids::hideCursorBox, L"Спрятать курсор во время воспроизведения",
     L"Прячет курсор с глаз долой"},
    {L"ne", settings_ids::noFrameSkipBox,
     L"Не пропускать необработанные кадры (требует большой мощности компьютера)",
     L"Только на Athlon XP!"},
    {L"je", settings_ids::keepPlayingUnfocusedBox, L"Не останавливаться, когда пропадает фокус",
     L"Иногда полезно, когда хочешь смотреть кино в окне и работать с чем-то другим :)"},
    {L"ze", settings_ids::waveOutBox,
     L"Использовать waveOut вместо DirectSound (для совместимости)",
     L"Только при возникновении неполадок!"},
    {L"ke", settings_ids::noMultithreadedDevicesBox,
     L"Не использовать многопоточные устройства (для совместимости)",
     L"На некоторых компьютерах это избавит от проблем"},
    {L"le", settings_ids::loopForeverBox, L"Повторять бесконечно (для маньяков)",
     L"Проигрываемый вами ролик будет повторяться бесконечно"},
    {L"se", settings_ids::summaryAfterPlayBox, L"Показать резюме после воспроизведения",
     L"После воспроизведения будет выдана статистика видео и его формат"},
    {L"qe", settings_ids::liveStatisticsBox, L"Показать другую статистику",
     L"Отображение статистики по кадрам в реальном времени. Полезно для оверлокеров"},
    {L"ie", settings_ids::alwaysOnTopBox, L"Поверх других окон",
     L"Окно видео будет поверх остальных"},
    {L"we", settings_ids::fullScreenBox, L"Во весь экран",
     L"Картинка будет растягваться под размеры экрана"},
    {L"ge", settings_ids::noBufferBox, L"Не загружать в буфер (быстрый просмотр)",
     L"Позволяет использовать меньше памяти. Использовать только для совместимости"},
}};

inline constexpr std::array<const wchar_t*, kOptions.size()> kOptionKeys = [] {
  std::array<const wchar_t*, kOptions.size()> keys{};
  for (size_t i = 0; i < kOptions.size(); ++i) {
    keys[i] = kOptions[i].key;
  }
  return keys;
}();

// A check box takes only 0 (cleared), 1 (checked) and 2 (greyed); any other
// number throws errors::InvalidPropertyValue().
int CheckBoxState(int16_t stored);

// What a check box state writes under its key: nothing for a greyed box.
std::optional<std::wstring> StoredTextForState(int state);

// Display mode: list entries in list order with the index stored under "de".
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
    {L"В окне", 0},
}};
inline constexpr int kWindowedDisplayIndex = 0;
inline constexpr const wchar_t* kDisplayInitialText = L"1024x768";
inline constexpr const wchar_t* kDisplayTooltip = L"Выбири разрешение экрана или просмотр в окне";

// Exact, case-sensitive match against the list entries.
std::optional<int> DisplayIndexForText(std::wstring_view text);
// nullptr outside 0..13.
const wchar_t* DisplayTextForIndex(int index);
// The decimal text to store for a shown text, if it is a list entry.
std::optional<std::wstring> DisplayStoredForText(std::wstring_view text);
// Compares the stored text as a number with 13 down to 0, so "011" and "11.0"
// match 11. Throws errors::TypeMismatch() for text that is not a number;
// nullopt when no index is equal.
std::optional<std::wstring> DisplayTextForStored(std::wstring_view stored);

// Frame rate: list entries in list order with the text stored under "fe".
struct FrameRateEntry {
  const wchar_t* text;
  const wchar_t* stored;
};
inline constexpr std::array<FrameRateEntry, 10> kFrameRateEntries{{
    {L"5.0", L"5.0"},
    {L"10.0", L"10.0"},
    {L"15.0", L"15.0"},
    {L"20.0", L"20.0"},
    {L"25.0", L"25.0"},
    {L"30.0", L"30.0"},
    {L"40.0", L"40.0"},
    {L"60.0", L"60.0"},
    {L"Максимум", L"max"},
    {L"Авто", L"auto"},
}};
inline constexpr const wchar_t* kMaximumFrameRate = L"max";
inline constexpr const wchar_t* kAutoFrameRate = L"auto";
inline constexpr const wchar_t* kFrameRateInitialText = L"Авто";
inline constexpr const wchar_t* kFrameRateTooltip = L"Задаёт количество кадров в секунду";

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

// What the recovery writes after a stored value failed to read, in this order.
// The frame rate is left alone: the dialog's next close stores it.
struct StoredValue {
  const wchar_t* key;
  const wchar_t* value;
};
inline constexpr std::array<StoredValue, 15> kRecoveryValues{{
    {L"re", L"1"},
    {L"pe", L"0"},
    {L"ce", L"1"},
    {L"ne", L"0"},
    {L"je", L"0"},
    {L"ze", L"0"},
    {L"ke", L"0"},
    {L"le", L"0"},
    {L"se", L"0"},
    {L"qe", L"0"},
    {L"ie", L"0"},
    {L"we", L"0"},
    {L"ge", L"0"},
    {L"ee", L"0"},
    {L"de", L"11"},
}};

// The playback options, as the settings window shows them and the player's
// switches are built from them: what the file holds once loaded.
struct Options {
  // In the order of kOptions: 0 cleared, 1 checked, 2 greyed.
  std::array<int, kOptions.size()> states{};
  std::wstring displayText = kDisplayInitialText;      // of "de1"
  std::wstring frameRateText = kFrameRateInitialText;  // of "fe"

  // The state of the option named `key`; 0 for a name that is none.
  int State(std::wstring_view key) const;
};

}  // namespace vintrel
