#include "app/main_layout.h"

#include "res/main_window_ids.h"

namespace vintrel::main_layout {
namespace {

using namespace main_ids;
using ui::ControlKind;
using ui::ControlSpec;
using ui::kDisabled;
using ui::kHidden;

constexpr ControlKind kLabel = ControlKind::label;

// Departures from the window's drawing, of 15 twips each: labels stacked 240
// twips apart are 240 high, and a label ends where the one beside it begins.
// As drawn, neighbours overlapped by 15 twips, which is two pixels at 144 dpi,
// and the one drawn later painted over the other's edge.
// clang-format off
constexpr ControlSpec kControls[] = {
  // id            kind                      text         tooltip                 left, top, width, height  container tab flags
  {bikfile,     ControlKind::textBox,     L"",          nullptr,                {120, 120, 6015, 285},    0,  3},
  {kov,         ControlKind::textBox,     L"\"",        nullptr,                {2280, 120, 735, 285},    0,  4, kHidden},
  {cmdAddFile,  ControlKind::button,      L"Обзор",     nullptr,                {120, 720, 1335, 375},    0,  7},
  {Command1,    ControlKind::button,      L"Смотреть",  L"Воспроизвести",       {1680, 720, 1335, 375},   0,  0},
  {Command2,    ControlKind::button,      L"Настройки", L"Настройки программы", {3240, 720, 1335, 375},   0,  2},
  {Command4,    ControlKind::button,      L"Справка",   L"О программе",         {4800, 720, 1335, 375},   0,  6},
  {Frame1,      ControlKind::frame,       L"Видео",     nullptr,                {120, 1200, 2895, 1935},  0,  8},
  {Frame2,      ControlKind::frame,       L"Звук",      nullptr,                {3240, 1200, 2895, 1935}, 0, 24, kDisabled},
  {Status,      ControlKind::statusBar,   L"",          nullptr,                {0, 3150, 6180, 255},     0,  1},
  {PicBullsEye, ControlKind::iconPicture, L"",          nullptr,                {6720, 4080, 495, 495},   0, 33, kHidden},

  // "Видео"
  {Label(18), kLabel, L"Формат:",             nullptr, {120, 240, 720, 255},   Frame1, 10},
  {Label(1),  kLabel, L"",                    nullptr, {840, 240, 495, 255},   Frame1,  9},
  {Label(19), kLabel, L"Тип:",                nullptr, {1440, 240, 370, 255},  Frame1, 11},
  {Label(2),  kLabel, L"",                    nullptr, {1810, 240, 855, 255},  Frame1, 12},
  {Label(20), kLabel, L"Высота:",             nullptr, {120, 600, 615, 240},   Frame1, 13},
  {Label(4),  kLabel, L"",                    nullptr, {840, 600, 615, 240},   Frame1, 15},
  {Label(21), kLabel, L"Ширина:",             nullptr, {120, 840, 640, 240},   Frame1, 14},
  {Label(5),  kLabel, L"",                    nullptr, {840, 840, 615, 240},   Frame1, 16},
  {Label(22), kLabel, L"Кадров:",             nullptr, {120, 1080, 615, 240},  Frame1, 17},
  {Label(6),  kLabel, L"",                    nullptr, {840, 1080, 735, 240},  Frame1, 20},
  {Label(24), kLabel, L"Размер кадра(макс):", nullptr, {120, 1320, 1620, 240}, Frame1, 19},
  {Label(15), kLabel, L"",                    nullptr, {1800, 1320, 735, 240}, Frame1, 22},
  {Label(23), kLabel, L"Битрейт:",            nullptr, {120, 1560, 720, 255},  Frame1, 18},
  {Label(7),  kLabel, L"",                    nullptr, {840, 1560, 375, 255},  Frame1, 21},
  // Starts where the frame rate's value ends, so a three-digit rate is not
  // drawn under the unit.
  {Label(8),  kLabel, L"кад/сек",             nullptr, {1215, 1560, 735, 255}, Frame1, 23},

  // "Звук": disabled until a file with audio is shown, except the value of "Формат:"
  {Label(3),  kLabel, L"Формат:",  nullptr, {120, 240, 735, 240},  Frame2, 25, kDisabled},
  {Label(12), kLabel, L"",         nullptr, {960, 240, 240, 240},  Frame2, 28},
  {Label(10), kLabel, L"бит",      nullptr, {1200, 240, 375, 240}, Frame2, 29, kDisabled},
  {Label(9),  kLabel, L"Каналов:", nullptr, {120, 480, 735, 240},  Frame2, 26, kDisabled},
  {Label(11), kLabel, L"",         nullptr, {960, 480, 255, 240},  Frame2, 27, kDisabled},
  {Label(16), kLabel, L"Дискрет:", nullptr, {120, 720, 735, 255},  Frame2, 30, kDisabled},
  {Label(13), kLabel, L"",         nullptr, {960, 720, 600, 255},  Frame2, 31, kDisabled},
  {Label(17), kLabel, L"Герц",     nullptr, {1560, 720, 495, 255}, Frame2, 32, kDisabled},
};
// clang-format on

constexpr int kAudioGroup[] = {Frame2,    Label(3),  Label(12), Label(10), Label(9),
                               Label(11), Label(16), Label(13), Label(17)};

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}
std::span<const int> AudioGroup() {
  return kAudioGroup;
}

}  // namespace vintrel::main_layout
