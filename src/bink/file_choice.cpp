#include "bink/file_choice.h"

#include <commdlg.h>

#include <vector>

#include "common/path_folder.h"
#include "win/system_library.h"
#include "win/unique_handle.h"

namespace vintrel {
namespace {

constexpr wchar_t kDialogTitle[] = L"Откроем файл для просмотра...";
// Description and pattern alternate; the list ends with an empty entry.
constexpr wchar_t kFilters[] =
    L"Обычные bik (*.bik)\0*.bik\0Возможные модификации (*.*)\0*.*\0Bink 2 (*.bk2)\0*.bk2\0";
// Loaded at the first browse or drop, not at start-up.
constexpr wchar_t kCommonDialogs[] = L"comdlg32.dll";
constexpr wchar_t kShell[] = L"shell32.dll";
// The longest path the system accepts, in characters.
constexpr DWORD kPathBufferChars = 32768;

struct DropTraits {
  using Type = HDROP;
  static Type Empty() { return nullptr; }
  static void Release(Type drop) {
    if (const auto finish = win::SystemFunction<decltype(::DragFinish)>(kShell, "DragFinish"))
      finish(drop);
  }
};
using UniqueDrop = win::UniqueHandle<DropTraits>;

// The open dialog starts where the user last took a file from, for the rest
// of the run.
std::wstring& LastFolder() {
  static std::wstring folder;
  return folder;
}

std::wstring RememberFolderOf(std::wstring path) {
  std::wstring folder = FolderOf(path);
  if (!folder.empty())
    LastFolder() = std::move(folder);
  return path;
}

}  // namespace

std::optional<std::wstring> AskForFile(HWND owner) {
  std::vector<wchar_t> buffer(kPathBufferChars, L'\0');
  const std::wstring& folder = LastFolder();

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
  return RememberFolderOf(buffer.data());
}

std::optional<std::wstring> DroppedFile(HWND target, HDROP drop) {
  const UniqueDrop files(drop);
  if (!::IsWindowEnabled(target))
    return std::nullopt;
  const auto dragQueryFile =
      win::RequireSystemFunction<decltype(::DragQueryFileW)>(kShell, "DragQueryFileW");
  if (dragQueryFile(files.get(), 0xFFFFFFFF, nullptr, 0) == 0)
    return std::nullopt;
  const UINT length = dragQueryFile(files.get(), 0, nullptr, 0);
  if (length == 0)
    return std::nullopt;
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const UINT copied = dragQueryFile(files.get(), 0, buffer.data(), length + 1);
  return RememberFolderOf(std::wstring(buffer.data(), copied <= length ? copied : length));
}

}  // namespace vintrel
