#include "dialogs/open_file.h"

#include <commdlg.h>

#include <vector>

#include "win/system_library.h"

namespace vintrel {
namespace {

constexpr wchar_t kDialogTitle[] = L"Откроем файл для просмотра...";
// Description and pattern alternate; the list ends with an empty entry.
constexpr wchar_t kFilters[] =
    L"Обычные bik (*.bik)\0*.bik\0Возможные модификации (*.*)\0*.*\0Bink 2 (*.bk2)\0*.bk2\0";
// Loaded at the first browse, not at start-up.
constexpr wchar_t kCommonDialogs[] = L"comdlg32.dll";
// The longest path the system accepts, in characters.
constexpr DWORD kPathBufferChars = 32768;

}  // namespace

std::optional<std::wstring> AskForFile(HWND owner, const std::wstring& folder) {
  std::vector<wchar_t> buffer(kPathBufferChars, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilters;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kPathBufferChars;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = kDialogTitle;
  // No "must exist" flags: a typed name that does not exist comes back and
  // is then simply not readable.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const auto getOpenFileName =
      win::RequireSystemFunction<decltype(::GetOpenFileNameW)>(kCommonDialogs, "GetOpenFileNameW");
  if (!getOpenFileName(&dialog))
    return std::nullopt;
  buffer.back() = L'\0';
  if (buffer.front() == L'\0')
    return std::nullopt;
  return std::wstring(buffer.data());
}

}  // namespace vintrel
