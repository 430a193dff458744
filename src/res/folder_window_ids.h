#pragma once
// Control identifiers of the folder window, and the main window's command
// that opens it; the end-to-end driver uses them.
namespace vintrel::folder_ids {

enum : int {
  Recursive = 600,  // "С подпапками"
  Progress = 601,
  List = 602,
  Summary = 603,  // the status line
  Play = 604,     // "Смотреть"
  SaveCsv = 605,  // "Сохранить CSV…"
  // "Папка с видео…" of the main window's panel menu.
  ChooseFolder = 610,
};

}  // namespace vintrel::folder_ids
