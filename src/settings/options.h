#pragma once
// The playback options as data. Each check box is one row of kOptions, and
// everything else about it derives from that row: its box's caption and
// tooltip, its place in the settings file and on the player's command line,
// and what the recovery writes. A new option is a row here, its box's name
// after the others in res/settings_dialog_ids.h, and a Box() in the settings
// layout.
#include <array>
#include <cstddef>
#include <optional>

#include "res/settings_dialog_ids.h"

namespace vintrel {

struct Option {
  const wchar_t* key;            // the INI key, as the file has it
  int boxId;                     // its check box in the settings window
  const wchar_t* playerSwitch;   // what a checked box adds to the player's command line
  int switchPlace;               // that switch's place among the boxes' switches, from 0
  const wchar_t* recoveryValue;  // what the recovery writes under the key
  const wchar_t* caption;
  const wchar_t* tooltip;
};

// In the order in which the loads read them and the recovery writes them.
// clang-format off
inline constexpr auto kOptions = std::to_array<Option>({
  // key  box                                     switch     place recovery
  {L"re", settings_ids::fillBackgroundBox,         L" /R",    0,   L"1",
   L"Заполнить экран бэкграундом",
   L"Неиспользуемая часть экрна заполнится монотонным цветом"},
  {L"pe", settings_ids::loadIntoMemoryBox,         L" /P",    2,   L"0",
   L"Загрузка видео в память",
   L"Это только для тех, у кого памяти немерянно. Остальным этот параметр лучше не включать"},
  {L"ce", settings_ids::hideCursorBox,             L" /C",    1,   L"1",
   L"Спрятать курсор во время воспроизведения",
   L"Прячет курсор с глаз долой"},
  {L"ne", settings_ids::noFrameSkipBox,            L" /N",    3,   L"0",
   L"Не пропускать необработанные кадры (требует большой мощности компьютера)",
   L"Только на Athlon XP!"},
  {L"je", settings_ids::keepPlayingUnfocusedBox,   L" /J",    4,   L"0",
   L"Не останавливаться, когда пропадает фокус",
   L"Иногда полезно, когда хочешь смотреть кино в окне и работать с чем-то другим :)"},
  {L"ze", settings_ids::waveOutBox,                L" /Z",    5,   L"0",
   L"Использовать waveOut вместо DirectSound (для совместимости)",
   L"Только при возникновении неполадок!"},
  {L"ke", settings_ids::noMultithreadedDevicesBox, L" /K",    12,  L"0",
   L"Не использовать многопоточные устройства (для совместимости)",
   L"На некоторых компьютерах это избавит от проблем"},
  {L"le", settings_ids::loopForeverBox,            L" /L",    6,   L"0",
   L"Повторять бесконечно (для маньяков)",
   L"Проигрываемый вами ролик будет повторяться бесконечно"},
  {L"se", settings_ids::summaryAfterPlayBox,       L" /S",    7,   L"0",
   L"Показать резюме после воспроизведения",
   L"После воспроизведения будет выдана статистика видео и его формат"},
  {L"qe", settings_ids::liveStatisticsBox,         L" /Q",    8,   L"0",
   L"Показать другую статистику",
   L"Отображение статистики по кадрам в реальном времени. Полезно для оверлокеров"},
  {L"ie", settings_ids::alwaysOnTopBox,            L" /I100", 9,   L"0",
   L"Поверх других окон",
   L"Окно видео будет поверх остальных"},
  {L"we", settings_ids::fullScreenBox,             L" /W-1",  10,  L"0",
   L"Во весь экран",
   L"Картинка будет растягваться под размеры экрана"},
  {L"ge", settings_ids::noBufferBox,               L" /G",    11,  L"0",
   L"Не загружать в буфер (быстрый просмотр)",
   L"Позволяет использовать меньше памяти. Использовать только для совместимости"},
});
// clang-format on

// The boxes' ids follow the rows, so a box's row is its id's distance from
// the first.
static_assert([] {
  for (std::size_t row = 0; row < kOptions.size(); ++row) {
    if (kOptions[row].boxId != settings_ids::fillBackgroundBox + static_cast<int>(row))
      return false;
  }
  return true;
}());

// The row of the option whose box has `id`; none for any other control.
constexpr std::optional<std::size_t> OptionRowOfBox(int id) {
  const int row = id - settings_ids::fillBackgroundBox;
  if (row < 0 || row >= static_cast<int>(kOptions.size()))
    return std::nullopt;
  return static_cast<std::size_t>(row);
}

// The rows in the order of their switches on the player's command line;
// a place taken twice or left empty does not compile.
inline constexpr auto kSwitchOrder = [] {
  std::array<std::size_t, kOptions.size()> rows{};
  std::array<bool, kOptions.size()> taken{};
  for (std::size_t row = 0; row < kOptions.size(); ++row) {
    const auto place = static_cast<std::size_t>(kOptions[row].switchPlace);
    if (place >= rows.size() || taken[place])
      throw "each switch place once";
    taken[place] = true;
    rows[place] = row;
  }
  return rows;
}();

}  // namespace vintrel
