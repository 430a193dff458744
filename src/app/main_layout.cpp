#include "app/main_layout.h"

#include "res/main_window_ids.h"

namespace vintrel::main_layout {
namespace {

using namespace main_ids;
using ui::ControlKind;
using ui::ControlSpec;
using ui::kDisabled;

constexpr ControlKind kLabel = ControlKind::label;

// Departures from the window's drawing, of 15 twips each: labels stacked 240
// twips apart are 240 high, and a label ends where the one beside it begins.
// As drawn, neighbours overlapped by 15 twips, which is two pixels at 144 dpi,
// and the one drawn later painted over the other's edge.
// clang-format off
constexpr ControlSpec kControls[] = {
  // id             kind                     text         tooltip                 left, top, width, height  container tab flags
  {filePathBox,    ControlKind::textBox,   L"",          nullptr,                {120, 120, 6015, 285},    0,  3},
  {browseButton,   ControlKind::button,    L"Обзор",     nullptr,                {120, 720, 1335, 375},    0,  7},
  {playButton,     ControlKind::button,    L"Смотреть",  L"Воспроизвести",       {1680, 720, 1335, 375},   0,  0},
  {settingsButton, ControlKind::button,    L"Настройки", L"Настройки программы", {3240, 720, 1335, 375},   0,  2},
  {aboutButton,    ControlKind::button,    L"Справка",   L"О программе",         {4800, 720, 1335, 375},   0,  6},
  {videoGroup,     ControlKind::frame,     L"Видео",     nullptr,                {120, 1200, 2895, 1935},  0,  8},
  {audioGroup,     ControlKind::frame,     L"Звук",      nullptr,                {3240, 1200, 2895, 1935}, 0, 24, kDisabled},
  {statusBar,      ControlKind::statusBar, L"",          nullptr,                {0, 3150, 6180, 255},     0,  1},

  // "Видео"
  {formatLabel,       kLabel, L"Формат:",             nullptr, {120, 240, 720, 255},   videoGroup, 10},
  {formatValue,       kLabel, L"",                    nullptr, {840, 240, 495, 255},   videoGroup,  9},
  {frameTypeLabel,    kLabel, L"Тип:",                nullptr, {1440, 240, 370, 255},  videoGroup, 11},
  {frameTypeValue,    kLabel, L"",                    nullptr, {1810, 240, 855, 255},  videoGroup, 12},
  {heightLabel,       kLabel, L"Высота:",             nullptr, {120, 600, 615, 240},   videoGroup, 13},
  {heightValue,       kLabel, L"",                    nullptr, {840, 600, 615, 240},   videoGroup, 15},
  {widthLabel,        kLabel, L"Ширина:",             nullptr, {120, 840, 640, 240},   videoGroup, 14},
  {widthValue,        kLabel, L"",                    nullptr, {840, 840, 615, 240},   videoGroup, 16},
  {frameCountLabel,   kLabel, L"Кадров:",             nullptr, {120, 1080, 615, 240},  videoGroup, 17},
  {frameCountValue,   kLabel, L"",                    nullptr, {840, 1080, 735, 240},  videoGroup, 20},
  {largestFrameLabel, kLabel, L"Размер кадра(макс):", nullptr, {120, 1320, 1620, 240}, videoGroup, 19},
  {largestFrameValue, kLabel, L"",                    nullptr, {1800, 1320, 735, 240}, videoGroup, 22},
  {frameRateLabel,    kLabel, L"Битрейт:",            nullptr, {120, 1560, 720, 255},  videoGroup, 18},
  {frameRateValue,    kLabel, L"",                    nullptr, {840, 1560, 375, 255},  videoGroup, 21},
  // Starts where the frame rate's value ends, so a three-digit rate is not
  // drawn under the unit.
  {frameRateUnit,     kLabel, L"кад/сек",             nullptr, {1215, 1560, 735, 255}, videoGroup, 23},

  // "Звук": disabled until a file with audio is shown, except the value of "Формат:"
  {audioFormatLabel, kLabel, L"Формат:",  nullptr, {120, 240, 735, 240},  audioGroup, 25, kDisabled},
  {sampleBitsValue,  kLabel, L"",         nullptr, {960, 240, 240, 240},  audioGroup, 28},
  {sampleBitsUnit,   kLabel, L"бит",      nullptr, {1200, 240, 375, 240}, audioGroup, 29, kDisabled},
  {channelsLabel,    kLabel, L"Каналов:", nullptr, {120, 480, 735, 240},  audioGroup, 26, kDisabled},
  {channelsValue,    kLabel, L"",         nullptr, {960, 480, 255, 240},  audioGroup, 27, kDisabled},
  {sampleRateLabel,  kLabel, L"Дискрет:", nullptr, {120, 720, 735, 255},  audioGroup, 30, kDisabled},
  {sampleRateValue,  kLabel, L"",         nullptr, {960, 720, 600, 255},  audioGroup, 31, kDisabled},
  {sampleRateUnit,   kLabel, L"Герц",     nullptr, {1560, 720, 495, 255}, audioGroup, 32, kDisabled},
};
// clang-format on

constexpr int kAudioControls[] = {audioGroup,      audioFormatLabel, sampleBitsValue,
                                  sampleBitsUnit,  channelsLabel,    channelsValue,
                                  sampleRateLabel, sampleRateValue,  sampleRateUnit};

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}
std::span<const int> AudioControls() {
  return kAudioControls;
}

}  // namespace vintrel::main_layout
