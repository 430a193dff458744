#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace vintrel {

// The system's message box with the caller's icon in place of the standard
// one. Returns the pressed button's code.
int MsgBoxWithIcon(const std::wstring& prompt, uint32_t buttons, const std::wstring& title,
                   HICON icon);

// The program's own box: buttons 16, the program's icon.
void ShowProgramMessage(const std::wstring& prompt, const std::wstring& title, HICON programIcon);

inline constexpr wchar_t kErrorTitle[] = L"Ошибка!";

}  // namespace vintrel
