#include "dialogs/message_box.h"

#include "res/resource_ids.h"

namespace vintrel {

int MsgBoxWithIcon(const std::wstring& prompt, uint32_t buttons, const std::wstring& title,
                   HICON icon) {
  MSGBOXPARAMSW box{};
  box.cbSize = sizeof(box);
  // Modal to whichever of our windows is active. With none active (a file
  // dropped while another program had the focus) every window of the thread
  // is disabled instead, so no second browse can start under the box.
  box.hwndOwner = ::GetActiveWindow();
  box.lpszText = prompt.c_str();
  box.lpszCaption = title.c_str();
  box.dwStyle = buttons;
  if (icon) {
    // The box loads the program's icon from the resources at its own size,
    // in place of whichever system icon was asked for.
    box.dwStyle = (buttons & ~MB_ICONMASK) | MB_USERICON;
    box.hInstance = ::GetModuleHandleW(nullptr);
    box.lpszIcon = MAKEINTRESOURCEW(IDI_BULLSEYE);
  }
  if (!box.hwndOwner)
    box.dwStyle |= MB_TASKMODAL;
  return ::MessageBoxIndirectW(&box);
}

void ShowProgramMessage(const std::wstring& prompt, const std::wstring& title, HICON programIcon) {
  MsgBoxWithIcon(prompt, MB_OK | MB_ICONSTOP, title, programIcon);
}

}  // namespace vintrel
