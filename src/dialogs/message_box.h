#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace vintrel {

// The system's message box, with the program's own icon (the bull's-eye
// resource) in place of the standard one when `icon` is given; without it,
// as `buttons` asks. Returns the pressed button's code. The box loads the
// icon itself: `icon` only says whether to show it, until the callers pass
// no handle.
int MsgBoxWithIcon(const std::wstring& prompt, uint32_t buttons, const std::wstring& title,
                   HICON icon);

// The program's own box: buttons 16, the program's icon.
void ShowProgramMessage(const std::wstring& prompt, const std::wstring& title, HICON programIcon);

inline constexpr wchar_t kErrorTitle[] = L"Ошибка!";

}  // namespace vintrel
