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

// An option box takes its caption and tooltip from the option table, so the
// texts the window shows and the keys it stores cannot drift apart.
constexpr ControlSpec Box(int id, TwipsRect rect, int container, int tab) {
  for (const OptionSpec& option : kOptions) {
    if (option.controlId == id) {
      return {id, ControlKind::checkBox, option.caption, option.tooltip, rect, container, tab};
    }
  }
  throw "not an option box";  // rejected at compile time
}

constexpr ControlKind kLabel = ControlKind::label;
constexpr ControlKind kList = ControlKind::comboBox;
constexpr ControlKind kFrame = ControlKind::frame;
constexpr ControlKind kButton = ControlKind::button;

// Three departures from the window's drawing, all of a few pixels: boxes
// stacked 240 twips apart are at most 240 high (two-line ones 360), and
// "Разрешение" ends where its list begins, so no two controls share a pixel
// at any DPI; "fe", "ee" and "ze" are wider (and the units after the two
// lists move right with them), so "Максимум" and the closing bracket of
// "ze" are not cut off in the 8-point dialog font.
// clang-format off
constexpr ControlSpec kControls[] = {
  // id         kind    text                        tooltip             left, top, width, height  container tab flags
  {Frame1,      kFrame, L"Производительность:",     nullptr,            {120, 0, 6135, 3135},     0,      2},
  // pe and fe belong to the window but sit in the frame's top rows.
  Box(pe,                                                               {240, 240, 2228, 255},    0,      0),
  Box(ge,                                                               {2400, 240, 3615, 255},   Frame1, 4),
  {Label(6),    kLabel, L"Задать количество кадров", kFrameRateTooltip, {480, 600, 2055, 255},    Frame1, 25},
  {fe,          kList,  kFrameRateInitialText,      kFrameRateTooltip,  {2760, 600, 1320, 315},   0,      1},
  {Label(7),    kLabel, L"fps",                     nullptr,            {4080, 600, 375, 255},    Frame1, 26},
  {Label(1),    kLabel, L"Использовать только...",  nullptr,            {720, 960, 1815, 255},    Frame1, 22, kDisabled},
  {ee,          kList,  kMemoryText,                nullptr,            {2640, 960, 1320, 315},   Frame1, 24, kDisabled},
  {Label(5),    kLabel, L"Мегов памяти.",           nullptr,            {4080, 960, 1215, 255},   Frame1, 23, kDisabled},
  Box(ce,                                                               {120, 1320, 4455, 240},   Frame1, 10),
  Box(ne,                                                               {120, 1560, 5895, 360},   Frame1, 6),
  Box(je,                                                               {120, 1920, 3855, 240},   Frame1, 7),
  Box(ze,                                                               {120, 2160, 5895, 240},   Frame1, 3),
  Box(ke,                                                               {120, 2400, 3855, 360},   Frame1, 5),
  Box(le,                                                               {120, 2760, 3255, 255},   Frame1, 14),

  {Frame2,      kFrame, L"Статистика:",             nullptr,            {120, 3240, 3855, 855},   0,      8},
  Box(se,                                                               {120, 240, 3615, 240},    Frame2, 9),
  Box(qe,                                                               {120, 480, 2535, 255},    Frame2, 11),

  {Frame3,      kFrame, L"Внешний вид:",            nullptr,            {4080, 3240, 2175, 855},  0,      12},
  Box(ie,                                                               {120, 240, 1815, 255},    Frame3, 13),

  {Frame4,      kFrame, L"Дисплей:",                nullptr,            {120, 4200, 6135, 975},   0,      15},
  {Label(2),    kLabel, L"Разрешение",              kDisplayTooltip,    {120, 240, 1080, 255},    Frame4, 18},
  {de1,         kList,  kDisplayInitialText,        kDisplayTooltip,    {1200, 240, 1935, 315},   Frame4, 16},
  Box(we,                                                               {3240, 240, 2295, 255},   Frame4, 20),
  {Label(3),    kLabel, L"Цвета",                   nullptr,            {120, 600, 735, 255},     Frame4, 19, kDisabled},
  {de2,         kList,  kColourDepthText,           nullptr,            {1200, 600, 1935, 315},   Frame4, 17, kDisabled},
  Box(re,                                                               {3240, 600, 2655, 255},   Frame4, 21),

  {Command1,    kButton, L"Ассоциировать",          nullptr,            {240, 5400, 2775, 255},   0,      28},
  {Command3,    kButton, L"Отвязаться",             nullptr,            {3360, 5400, 2775, 255},  0,      29},
  {Command2,    kButton, L"OK",                     L"Закрыть окно настроек", {120, 5760, 6135, 255}, 0,  27},
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
    case de1:
      return kDisplayTexts;
    case fe:
      return kFrameRateTexts;
    case de2:
      return kColourDepthEntries;
    case ee:
      return kMemoryEntries;
    default:
      return {};
  }
}

}  // namespace vintrel::settings_layout
