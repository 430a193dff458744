#pragma once
#include <windows.h>

#include "settings/settings_values.h"
#include "ui/program_icons.h"

namespace vintrel {

// "Настройки": edits `options` modally over `owner`. Every change of a box,
// and every typed text that is a list entry, is stored as it is made; the
// close stores the two lists. False when the window could not be made.
bool EditSettings(HWND owner, const ui::ProgramIcons& icons, Options& options);

}  // namespace vintrel
