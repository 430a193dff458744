#pragma once
// Control identifiers of the settings window; the end-to-end driver uses them.
namespace vintrel::settings_ids {

enum : int {
  // The option boxes, one for each row of the option table and in its order.
  fillBackgroundBox = 300,
  loadIntoMemoryBox,
  hideCursorBox,
  noFrameSkipBox,
  keepPlayingUnfocusedBox,
  waveOutBox,
  noMultithreadedDevicesBox,
  loopForeverBox,
  summaryAfterPlayBox,
  liveStatisticsBox,
  alwaysOnTopBox,
  fullScreenBox,
  noBufferBox,

  displayModeList = 320,
  frameRateList = 321,
  colourDepthList = 322,  // always disabled
  memoryList = 323,       // always disabled

  performanceGroup = 330,
  statisticsGroup = 331,
  appearanceGroup = 332,
  displayGroup = 333,

  associateButton = 340,
  okButton = 341,
  dissociateButton = 342,

  memoryLimitLabel = 351,
  displayModeLabel = 352,
  colourDepthLabel = 353,
  memoryUnitLabel = 355,
  frameRateLabel = 356,
  fpsUnitLabel = 357,
};

}  // namespace vintrel::settings_ids
