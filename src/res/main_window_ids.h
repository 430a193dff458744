#pragma once
// Control identifiers of the main window. The end-to-end driver finds the
// controls by these numbers, so they are part of the program's interface.
namespace vintrel::main_ids {

enum : int {
  bikfile = 100,
  kov = 101,
  cmdAddFile = 102,
  Command1 = 103,  // "Смотреть"
  Command2 = 104,  // "Настройки"
  Command4 = 105,  // "Справка"
  Frame1 = 106,    // "Видео"
  Frame2 = 107,    // "Звук"
  Status = 108,
  PicBullsEye = 109,
  // Commands of the panel's menu.
  CopyFacts = 120,    // "Копировать сведения", also Ctrl+C
  ShowDetails = 121,  // "Сведения о файле…"
};

// LabelN of the two information frames has the identifier 200 + N.
constexpr int Label(int n) {
  return 200 + n;
}

}  // namespace vintrel::main_ids
