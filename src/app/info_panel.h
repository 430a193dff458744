#pragma once
#include <windows.h>

#include <string>

namespace vintrel {

// Shows `path` as the main window's current file and its header in the
// frames "Видео" and "Звук". A file that cannot be read leaves the panel as
// it was; one that is not Bink is reported with `programIcon`, and the panel
// then shows the zero record.
void ShowFileInPanel(HWND mainWindow, const std::wstring& path, HICON programIcon);

}  // namespace vintrel
