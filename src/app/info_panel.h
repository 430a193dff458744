#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "bink/bink_examine.h"

namespace vintrel {

// Shows `path` as the main window's current file and its facts in the
// frames "Видео" and "Звук". A file that cannot be read leaves the panel as
// it was; one that is not Bink is reported, and the panel then shows the
// zero record. Returns the examination of a Bink file, the
// current one from now on; nothing otherwise.
std::optional<BinkExamination> ShowFileInPanel(HWND mainWindow, const std::wstring& path);

}  // namespace vintrel
