#pragma once
// Control identifiers of the main window. The end-to-end driver finds the
// controls by these numbers, so they are part of the program's interface.
namespace vintrel::main_ids {

enum : int {
  filePathBox = 100,
  browseButton = 102,    // "Обзор"
  playButton = 103,      // "Смотреть"
  settingsButton = 104,  // "Настройки"
  aboutButton = 105,     // "Справка"
  videoGroup = 106,      // "Видео"
  audioGroup = 107,      // "Звук"
  statusBar = 108,
  // Commands of the panel's menu.
  copyFactsCommand = 120,    // "Копировать сведения", also Ctrl+C
  showDetailsCommand = 121,  // "Сведения о файле…"

  // In "Видео": each caption, then the value it names.
  formatValue = 201,
  frameTypeValue = 202,
  heightValue = 204,
  widthValue = 205,
  frameCountValue = 206,
  frameRateValue = 207,
  frameRateUnit = 208,  // "кад/сек"
  largestFrameValue = 215,
  formatLabel = 218,
  frameTypeLabel = 219,
  heightLabel = 220,
  widthLabel = 221,
  frameCountLabel = 222,
  frameRateLabel = 223,
  largestFrameLabel = 224,

  // In "Звук".
  audioFormatLabel = 203,  // "Формат:", whose value is the sample bits
  channelsLabel = 209,
  sampleBitsUnit = 210,  // "бит"
  channelsValue = 211,
  sampleBitsValue = 212,
  sampleRateValue = 213,
  sampleRateLabel = 216,
  sampleRateUnit = 217,  // "Герц"
};

}  // namespace vintrel::main_ids
