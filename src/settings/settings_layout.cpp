#include "settings/settings_layout.h"

#include <array>
#include <cstddef>

#include "res/settings_dialog_ids.h"
#include "settings/settings_values.h"

namespace vintrel::settings_layout {
namespace {

using namespace settings_ids;
using ui::ControlKind;
using ui::ControlSpec;
using ui::kDisabled;
using ui::TwipsRect;

// An option box takes its caption and tooltip from its row of the option
// table, so the texts the window shows and the keys it stores cannot drift
// apart; an id that is no option's box does not compile.
constexpr ControlSpec Box(int id, TwipsRect rect, int container, int tab) {
  const Option& option = kOptions.at(OptionRowOfBox(id).value());
  return {id, ControlKind::checkBox, option.caption, option.tooltip, rect, container, tab};
}

constexpr ControlKind kLabel = ControlKind::label;
constexpr ControlKind kList = ControlKind::comboBox;
constexpr ControlKind kFrame = ControlKind::frame;
constexpr ControlKind kButton = ControlKind::button;

// Three departures from the window's drawing, all of a few pixels: boxes
// stacked 240 twips apart are at most 240 high (two-line ones 360), and
// "Разрешение" ends where its list begins, so no two controls share a pixel
// at any DPI; the frame-rate and memory lists and the waveOut box are wider
// (and the units after the two lists move right with them), so "Максимум"
// and the box's closing bracket are not cut off in the 8-point dialog font.
// clang-format off
constexpr ControlSpec kControls[] = {
  // id              kind     text                         tooltip                   left, top, width, height  container         tab flags
  {performanceGroup, kFrame,  L"Производительность:",      nullptr,                  {120, 0, 6135, 3135},     0,                2},
  // The load-into-memory box and the frame-rate list belong to the window but
  // sit in the frame's top rows.
  Box(loadIntoMemoryBox,                                                             {240, 240, 2228, 255},    0,                0),
  Box(noBufferBox,                                                                   {2400, 240, 3615, 255},   performanceGroup, 4),
  {frameRateLabel,   kLabel,  L"Задать количество кадров", kFrameRateTooltip,        {480, 600, 2055, 255},    performanceGroup, 25},
  {frameRateList,    kList,   kFrameRateInitialText,       kFrameRateTooltip,        {2760, 600, 1320, 315},   0,                1},
  {fpsUnitLabel,     kLabel,  L"fps",                      nullptr,                  {4080, 600, 375, 255},    performanceGroup, 26},
  {memoryLimitLabel, kLabel,  L"Использовать только...",   nullptr,                  {720, 960, 1815, 255},    performanceGroup, 22, kDisabled},
  {memoryList,       kList,   kMemoryText,                 nullptr,                  {2640, 960, 1320, 315},   performanceGroup, 24, kDisabled},
  {memoryUnitLabel,  kLabel,  L"Мегов памяти.",            nullptr,                  {4080, 960, 1215, 255},   performanceGroup, 23, kDisabled},
  Box(hideCursorBox,                                                                 {120, 1320, 4455, 240},   performanceGroup, 10),
  Box(noFrameSkipBox,                                                                {120, 1560, 5895, 360},   performanceGroup, 6),
  Box(keepPlayingUnfocusedBox,                                                       {120, 1920, 3855, 240},   performanceGroup, 7),
  Box(waveOutBox,                                                                    {120, 2160, 5895, 240},   performanceGroup, 3),
  Box(noMultithreadedDevicesBox,                                                     {120, 2400, 3855, 360},   performanceGroup, 5),
  Box(loopForeverBox,                                                                {120, 2760, 3255, 255},   performanceGroup, 14),

  {statisticsGroup,  kFrame,  L"Статистика:",              nullptr,                  {120, 3240, 3855, 855},   0,                8},
  Box(summaryAfterPlayBox,                                                           {120, 240, 3615, 240},    statisticsGroup,  9),
  Box(liveStatisticsBox,                                                             {120, 480, 2535, 255},    statisticsGroup,  11),

  {appearanceGroup,  kFrame,  L"Внешний вид:",             nullptr,                  {4080, 3240, 2175, 855},  0,                12},
  Box(alwaysOnTopBox,                                                                {120, 240, 1815, 255},    appearanceGroup,  13),

  {displayGroup,     kFrame,  L"Дисплей:",                 nullptr,                  {120, 4200, 6135, 975},   0,                15},
  {displayModeLabel, kLabel,  L"Разрешение",               kDisplayTooltip,          {120, 240, 1080, 255},    displayGroup,     18},
  {displayModeList,  kList,   kDisplayInitialText,         kDisplayTooltip,          {1200, 240, 1935, 315},   displayGroup,     16},
  Box(fullScreenBox,                                                                 {3240, 240, 2295, 255},   displayGroup,     20),
  {colourDepthLabel, kLabel,  L"Цвета",                    nullptr,                  {120, 600, 735, 255},     displayGroup,     19, kDisabled},
  {colourDepthList,  kList,   kColourDepthText,            nullptr,                  {1200, 600, 1935, 315},   displayGroup,     17, kDisabled},
  Box(fillBackgroundBox,                                                             {3240, 600, 2655, 255},   displayGroup,     21),

  {associateButton,  kButton, L"Ассоциировать",            nullptr,                  {240, 5400, 2775, 255},   0,                28},
  {dissociateButton, kButton, L"Отвязаться",               nullptr,                  {3360, 5400, 2775, 255},  0,                29},
  {okButton,         kButton, L"OK",                       L"Закрыть окно настроек", {120, 5760, 6135, 255},   0,                27},
};
// clang-format on

constexpr auto kDisplayTexts = [] {
  std::array<const wchar_t*, kDisplayEntries.size()> texts{};
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = kDisplayEntries[i].text;
  return texts;
}();

constexpr auto kFrameRateTexts = [] {
  std::array<const wchar_t*, kFrameRateEntries.size()> texts{};
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = kFrameRateEntries[i].text;
  return texts;
}();

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}

std::span<const wchar_t* const> ListEntries(int id) {
  switch (id) {
    case displayModeList:
      return kDisplayTexts;
    case frameRateList:
      return kFrameRateTexts;
    case colourDepthList:
      return kColourDepthEntries;
    case memoryList:
      return kMemoryEntries;
    default:
      return {};
  }
}

}  // namespace vintrel::settings_layout
