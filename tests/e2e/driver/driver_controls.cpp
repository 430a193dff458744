#include <cstdint>

#include "driver.h"

namespace vintrel::e2e {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Millis timeout) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL,
                           static_cast<UINT>(timeout.count()), &result)) {
    throw Failure("message " + std::to_string(message) + " to window " +
                  std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)) +
                  " got no answer (error " + std::to_string(GetLastError()) + ")");
  }
  return static_cast<LRESULT>(result);
}

HWND FindControl(HWND parent, int id) {
  return GetDlgItem(parent, id);
}

HWND Control(HWND parent, int id) {
  HWND hwnd = GetDlgItem(parent, id);
  if (!hwnd)
    throw Failure("no control with id " + std::to_string(id));
  return hwnd;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[256];
  const int n = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
  return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring Text(HWND hwnd) {
  // WM_GETTEXT is marshalled between processes; GetWindowTextW is not for
  // controls of another process.
  const LRESULT length = Send(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

void SetText(HWND hwnd, std::wstring_view text) {
  const std::wstring copy(text);
  Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

bool IsVisible(HWND hwnd) {
  return IsWindowVisible(hwnd) != FALSE;
}

bool IsEnabled(HWND hwnd) {
  return IsWindowEnabled(hwnd) != FALSE;
}

int GetCheck(HWND button) {
  return static_cast<int>(Send(button, BM_GETCHECK, 0, 0));
}

void Click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

void ClickSync(HWND button) {
  Send(button, BM_CLICK, 0, 0);
}

void PostClose(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
}

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
    return nullptr;
  return info.hwndFocus;
}

int FocusedControlId(HWND window) {
  HWND focus = FocusedWindow(window);
  return focus ? GetDlgCtrlID(focus) : 0;
}

std::wstring ComboText(HWND combo) {
  return Text(combo);
}

int ComboSelection(HWND combo) {
  return static_cast<int>(Send(combo, CB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, i, 0);
    if (length == CB_ERR)
      throw Failure("cannot read combo item " + std::to_string(i));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    items.push_back(std::move(text));
  }
  return items;
}

void ComboSelect(HWND combo, int index) {
  if (Send(combo, CB_SETCURSEL, index, 0) == CB_ERR && index >= 0) {
    throw Failure("no combo item " + std::to_string(index));
  }
  // CB_SETCURSEL alone does not notify; a user's choice would.
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void TypeIntoCombo(HWND combo, std::wstring_view text, bool replaceAll) {
  HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  if (!edit)
    throw Failure("the combo box has no edit field");
  if (replaceAll) {
    // Typing over a selection replaces it, as it does for a user; only an
    // empty text needs an explicit deletion.
    Send(edit, EM_SETSEL, 0, -1);
    if (text.empty())
      Send(edit, WM_CHAR, VK_BACK, 0);
  }
  for (wchar_t c : text) Send(edit, WM_CHAR, c, 1);
}

std::vector<int> TabOrder(HWND top) {
  std::vector<int> ids;
  HWND first = GetNextDlgTabItem(top, nullptr, FALSE);
  for (HWND item = first; item;) {
    ids.push_back(GetDlgCtrlID(item));
    item = GetNextDlgTabItem(top, item, FALSE);
    if (item == first || ids.size() > 200)
      break;
  }
  return ids;
}

std::vector<int> ChildIds(HWND parent) {
  std::vector<int> ids;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

RECT ControlRectInClient(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace vintrel::e2e
