#pragma once
// Control identifiers of the folder window, and the main window's command
// that opens it; the end-to-end driver uses them.
namespace vintrel::folder_ids {

enum : int {
  withSubfoldersBox = 600,  // "С подпапками"
  progressBar = 601,
  videoList = 602,
  summaryLabel = 603,   // the status line
  playButton = 604,     // "Смотреть"
  saveCsvButton = 605,  // "Сохранить CSV…"
  // "Папка с видео…" of the main window's panel menu.
  chooseFolderCommand = 610,
};

}  // namespace vintrel::folder_ids
