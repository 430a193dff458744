#pragma once
// Letter keys on the focused control of another process, posted as the
// keyboard delivers them, so the program's message loop and its dialog keys
// see them. (PressKey in settings_driver.h does the same for Tab, Enter...)
#include <windows.h>

#include "driver.h"

namespace vintrel::e2e {

// A letter key: down, the character it types, up.
void TypeLetter(HWND window, WORD virtualKey, wchar_t character);
// The same letter with Alt held, as a user reaching for an accelerator.
void TypeAltLetter(HWND window, WORD virtualKey, wchar_t character);

}  // namespace vintrel::e2e
