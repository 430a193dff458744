#pragma once
#include <windows.h>

#include <string_view>

namespace vintrel {

// The information panel's menu at `point` (screen coordinates), its commands
// sent to `window`: "Копировать сведения" and "Сведения о файле…", greyed
// while no Bink file is shown.
void TrackPanelMenu(HWND window, POINT point, bool fileShown);

// `utf8` on the clipboard as the system's text, each line break as CR LF.
void CopyToClipboard(HWND owner, std::string_view utf8);

}  // namespace vintrel
