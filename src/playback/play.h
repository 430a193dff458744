#pragma once

namespace vintrel {

class MainWindow;

// "Смотреть": the switches from the settings window, the status line, then
// the player started on the current file (or a message when there is none).
void PlayCurrentFile(MainWindow& window);

}  // namespace vintrel
