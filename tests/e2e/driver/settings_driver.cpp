#include "settings_driver.h"

#include "res/main_window_ids.h"
#include "res/settings_dialog_ids.h"

namespace vintrel::e2e {

HWND OpenSettingsWindow(DWORD pid, HWND mainWindow) {
  Click(Control(mainWindow, main_ids::Command2));
  HWND settings = nullptr;
  const bool shown = WaitUntil([&] {
    for (HWND hwnd : TopLevelWindows(pid)) {
      if (GetDlgItem(hwnd, settings_ids::de1))
        settings = hwnd;
    }
    return settings != nullptr;
  });
  if (!shown)
    throw Failure("the settings window did not appear");
  return settings;
}

std::optional<std::wstring> IniValue(const std::wstring& key) {
  // A default no stored value can hold tells a missing key from an empty one.
  wchar_t value[256] = {};
  GetPrivateProfileStringW(L"main", key.c_str(), L"\n", value, 256, L"vintrel.ini");
  if (std::wstring(value) == L"\n")
    return std::nullopt;
  return value;
}

std::set<std::wstring> IniKeys() {
  wchar_t names[4096] = {};
  GetPrivateProfileStringW(L"main", nullptr, L"", names, 4096, L"vintrel.ini");
  std::set<std::wstring> keys;
  for (const wchar_t* name = names; *name; name += wcslen(name) + 1) keys.insert(name);
  return keys;
}

bool WaitForIniValue(const std::wstring& key, const std::wstring& value) {
  return WaitUntil([&] { return IniValue(key) == value; });
}

int FocusedChildId(HWND window) {
  HWND focus = FocusedWindow(window);
  while (focus && GetParent(focus) != window) focus = GetParent(focus);
  return focus ? GetDlgCtrlID(focus) : 0;
}

void PressKey(HWND window, WORD virtualKey) {
  HWND focus = FocusedWindow(window);
  if (!focus)
    throw Failure("nothing has the keyboard focus");
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(focus, WM_KEYDOWN, virtualKey, 1 | scan);
  PostMessageW(focus, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
}

}  // namespace vintrel::e2e
