#pragma once
#include <windows.h>

#include <string>

namespace vintrel {

// The program's message box: `text` under `title` with the buttons of
// `buttons`, and the program's own icon (the bull's-eye resource) in place
// of any system icon `buttons` names. Modal to the program's active window;
// with none active, to every window of the program. Returns the pressed
// button's code.
int ShowMessage(const std::wstring& text, const std::wstring& title, UINT buttons = MB_OK);

inline constexpr wchar_t kErrorTitle[] = L"Ошибка!";

}  // namespace vintrel
