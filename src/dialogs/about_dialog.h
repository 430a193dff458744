#pragma once
#include <windows.h>

namespace vintrel {

// "Справка": the About window, modal over `owner`.
void ShowAboutDialog(HWND owner);

}  // namespace vintrel
