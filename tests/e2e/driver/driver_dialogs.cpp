#include "driver.h"

namespace vintrel::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

bool IsDialogClass(HWND hwnd) {
  return ClassName(hwnd) == L"#32770";
}

bool IsIconStatic(HWND hwnd) {
  return ClassName(hwnd) == L"Static" && (GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

bool IsStandardButtonId(int id) {
  return id >= IDOK && id <= IDCONTINUE;
}

// A message box holds statics and standard buttons only, the text in the
// static 0xFFFF; that sets it apart from the program's own dialogs and from
// the open-file dialog, which are also of class "#32770".
std::optional<MessageBoxInfo> ReadMessageBox(HWND hwnd) {
  if (!IsDialogClass(hwnd))
    return {};
  MessageBoxInfo box;
  box.hwnd = hwnd;
  bool hasText = false;
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring kind = ClassName(child);
    const int id = GetDlgCtrlID(child);
    if (kind == L"Button") {
      if (!IsStandardButtonId(id))
        return {};
      box.buttons.push_back(Text(child));
      box.buttonIds.push_back(id);
    } else if (kind == L"Static") {
      if (id == kMessageTextId && !IsIconStatic(child)) {
        box.text = Text(child);
        hasText = true;
      } else if (IsIconStatic(child) && !box.icon) {
        box.iconControl = child;
        box.icon = StaticIcon(child);
        box.hasIcon = box.icon != nullptr && IsWindowVisible(child);
      }
    } else {
      return {};
    }
  }
  if (!hasText || box.buttons.empty())
    return {};
  box.title = Text(hwnd);
  return box;
}

}  // namespace

std::optional<MessageBoxInfo> FindMessageBox(DWORD pid) {
  for (HWND hwnd : TopLevelWindows(pid)) {
    try {
      if (auto box = ReadMessageBox(hwnd))
        return box;
    } catch (const Failure&) {
      // The window went away while being read: not a box to report.
    }
  }
  return {};
}

MessageBoxInfo WaitForMessageBox(DWORD pid, Millis timeout) {
  std::optional<MessageBoxInfo> box;
  if (!WaitUntil([&] { return (box = FindMessageBox(pid)).has_value(); }, timeout)) {
    throw Failure("no message box appeared");
  }
  return *box;
}

void Answer(const MessageBoxInfo& box, int buttonId) {
  HWND button = GetDlgItem(box.hwnd, buttonId);
  if (!button)
    throw Failure("the message box has no button " + std::to_string(buttonId));
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

MessageBoxInfo AnswerNextMessageBox(DWORD pid, int buttonId) {
  const MessageBoxInfo box = WaitForMessageBox(pid);
  Answer(box, buttonId);
  if (!WaitForWindowGone(box.hwnd))
    throw Failure("the message box \"" + ToUtf8(box.text) + "\" stayed after its answer");
  return box;
}

bool WaitForWindowGone(HWND hwnd, Millis timeout) {
  return WaitUntil([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeout);
}

HWND WaitForOpenDialog(DWORD pid, std::wstring_view title, Millis timeout) {
  HWND found = nullptr;
  const auto find = [&] {
    for (HWND hwnd : TopLevelWindows(pid)) {
      try {
        if (IsDialogClass(hwnd) && Text(hwnd) == title) {
          found = hwnd;
          return true;
        }
      } catch (const Failure&) {
        // Gone while being read.
      }
    }
    return false;
  };
  if (!WaitUntil(find, timeout))
    throw Failure("no open-file dialog \"" + ToUtf8(title) + "\"");
  return found;
}

void ChooseFile(HWND dialog, std::wstring_view windowsPath) {
  // The file-name field: combo box cmb13 in the explorer-style dialog.
  constexpr int kFileNameField = 0x47C;
  SetText(Control(dialog, kFileNameField), windowsPath);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void Cancel(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace vintrel::e2e
