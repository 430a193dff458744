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

// The same box, for callers that still hand over the icon, which only ever
// said to show the program's own.
inline int MsgBoxWithIcon(const std::wstring& text, UINT buttons, const std::wstring& title,
                          HICON) {
  return ShowMessage(text, title, buttons);
}
inline void ShowProgramMessage(const std::wstring& text, const std::wstring& title, HICON) {
  ShowMessage(text, title);
}

inline constexpr wchar_t kErrorTitle[] = L"Ошибка!";

}  // namespace vintrel
