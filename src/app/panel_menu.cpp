#include "app/panel_menu.h"

#include <algorithm>
#include <string>

#include "res/folder_window_ids.h"
#include "res/main_window_ids.h"
#include "win/unique_handle.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

struct MenuTraits {
  using Type = HMENU;
  static Type Empty() { return nullptr; }
  static void Release(Type menu) { ::DestroyMenu(menu); }
};

}  // namespace

void TrackPanelMenu(HWND window, POINT point, bool fileShown) {
  const win::UniqueHandle<MenuTraits> menu(::CreatePopupMenu());
  if (!menu)
    return;
  const UINT state = fileShown ? MF_ENABLED : MF_GRAYED;
  // The tab puts the shortcut in the menu's own column. Wine starts that
  // column right at the end of the widest text, where Windows leaves a gap:
  // the blanks keep the two apart there, and widen the gap a little here.
  ::AppendMenuW(menu.get(), MF_STRING | state, main_ids::copyFactsCommand,
                L"Копировать сведения  \tCtrl+C");
  ::AppendMenuW(menu.get(), MF_STRING | state, main_ids::showDetailsCommand, L"Сведения о файле…");
  ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.get(), MF_STRING, folder_ids::chooseFolderCommand, L"Папка с видео…");
  ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                   window, nullptr);
}

void CopyToClipboard(HWND owner, std::string_view utf8) {
  if (!::OpenClipboard(owner))
    return;
  std::wstring text;
  for (const wchar_t c : win::Widen(utf8)) {
    if (c == L'\n')
      text += L'\r';
    text += c;
  }
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* data = ::GlobalLock(memory)) {
      std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(data));
      ::GlobalUnlock(memory);
      if (::SetClipboardData(CF_UNICODETEXT, memory))
        memory = nullptr;  // the clipboard owns it now
    }
    if (memory)
      ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

}  // namespace vintrel
