#pragma once
// Driver pieces for the settings window: opening it as a user does, the
// settings file as the program reads it, and keys on the focused control.
#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "driver.h"

namespace vintrel::e2e {

// Presses "Настройки" on the main window and waits for the settings window.
HWND OpenSettingsWindow(DWORD pid, HWND mainWindow);

// Section "main" of vintrel.ini through the profile functions, as the
// program reads it: a key's value (nullopt when absent) and the key names.
std::optional<std::wstring> IniValue(const std::wstring& key);
std::set<std::wstring> IniKeys();
bool WaitForIniValue(const std::wstring& key, const std::wstring& value);

// The direct child of `window` that has, or holds, the keyboard focus (the
// edit field of a drop-down list gives the list); 0 for none.
int FocusedChildId(HWND window);
// A key pressed and released on the focused control, posted as the keyboard
// delivers it, so the program's message loop and its dialog keys see it.
void PressKey(HWND window, WORD virtualKey);

}  // namespace vintrel::e2e
