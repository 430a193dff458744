#include "dialogs/message_box.h"

#include "res/resource_ids.h"

namespace vintrel {

int ShowMessage(const std::wstring& text, const std::wstring& title, UINT buttons) {
  MSGBOXPARAMSW box{};
  box.cbSize = sizeof(box);
  // Modal to whichever of our windows is active. With none active (a file
  // dropped while another program had the focus) every window of the thread
  // is disabled instead, so no second browse can start under the box.
  box.hwndOwner = ::GetActiveWindow();
  box.lpszText = text.c_str();
  box.lpszCaption = title.c_str();
  // The box loads the program's icon from the resources at its own size.
  box.dwStyle = (buttons & ~MB_ICONMASK) | MB_USERICON;
  box.hInstance = ::GetModuleHandleW(nullptr);
  box.lpszIcon = MAKEINTRESOURCEW(IDI_BULLSEYE);
  if (!box.hwndOwner)
    box.dwStyle |= MB_TASKMODAL;
  return ::MessageBoxIndirectW(&box);
}

}  // namespace vintrel
