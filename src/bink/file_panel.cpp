#include "bink/file_panel.h"

#include <commdlg.h>
#include <shellapi.h>

#include <exception>
#include <optional>
#include <vector>

#include "app/main_layout.h"
#include "app/main_window.h"
#include "res/main_window_ids.h"
#include "bink/bink_file.h"
#include "bink/panel_text.h"
#include "bink/path_folder.h"
#include "dialogs/message_box.h"
#include "ui/unique_handle.h"

namespace vintrel {
namespace {

using main_ids::Label;

constexpr wchar_t kDialogTitle[] = L"Откроем файл для просмотра...";
// Description and pattern alternate; the list ends with an empty entry.
constexpr wchar_t kFilters[] = L"Обычные bik (*.bik)\0*.bik\0Возможные модификации (*.*)\0*.*\0";
constexpr wchar_t kNotBinkMessage[] = L"Файл не является правильным файлом Bink видео.";
// The longest path the system accepts, in characters.
constexpr DWORD kPathBufferChars = 32768;

struct DropTraits {
  using Type = HDROP;
  static Type Empty() { return nullptr; }
  static void Release(Type drop) { ::DragFinish(drop); }
};
using UniqueDrop = ui::UniqueHandle<DropTraits>;

// The open dialog starts where the user last took a file from, for the rest
// of the run.
std::wstring& LastFolder() {
  static std::wstring folder;
  return folder;
}

void RememberFolderOf(const std::wstring& path) {
  std::wstring folder = FolderOf(path);
  if (!folder.empty())
    LastFolder() = std::move(folder);
}

// Nothing when the user cancels (or the dialog cannot be shown at all).
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
  if (!::GetOpenFileNameW(&dialog))
    return std::nullopt;
  buffer.back() = L'\0';
  return std::wstring(buffer.data());
}

wchar_t DecimalSeparator() {
  wchar_t separator[4] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 0 && separator[0]) {
    return separator[0];
  }
  return L'.';
}

void SetLabel(MainWindow& window, int number, const std::wstring& text) {
  ::SetWindowTextW(window.Item(Label(number)), text.c_str());
}

void ShowHeader(MainWindow& window, const HeaderReading& reading) {
  SetLabel(window, 1, L"");
  SetLabel(window, 1, SignatureText(reading.signatureText));

  BinkHeader header = reading.header;
  if (reading.outcome == HeaderOutcome::notBink) {
    MsgBoxWithIcon(kNotBinkMessage, MB_OK | MB_ICONSTOP, kErrorTitle, ProgramIcon(), L"");
    window.SetCurrentFile(L"");
    SetLabel(window, 1, L"");
    header = BinkHeader{};
  }

  const PanelTexts texts = PanelTextsFor(header, DecimalSeparator());
  SetLabel(window, 2, texts.frameType);
  SetLabel(window, 15, texts.maxFrameSize);
  SetLabel(window, 4, texts.height);
  SetLabel(window, 5, texts.width);
  SetLabel(window, 6, texts.frameCount);
  SetLabel(window, 7, texts.frameRate);

  for (const int id : main_layout::AudioGroup()) {
    ::EnableWindow(window.Item(id), header.hasAudio ? TRUE : FALSE);
  }
  // Disabled or not, the audio labels show what the header says.
  SetLabel(window, 11, texts.channels);
  SetLabel(window, 12, texts.sampleBits);
  SetLabel(window, 13, texts.sampleRate);
}

// Whatever goes wrong once a file is chosen ends the flow without a word;
// the labels already set keep their new text.
void ShowChosenFileQuietly(MainWindow& window, const std::wstring& path) {
  try {
    ShowChosenFile(window, path);
  } catch (const std::exception&) {
  }
}

}  // namespace

void RunBrowseFlow(MainWindow& window) {
  const std::optional<std::wstring> path = AskForFile(window.hwnd());
  if (!path || path->empty())
    return;
  RememberFolderOf(*path);
  ShowChosenFileQuietly(window, *path);
}

void DropFiles(MainWindow& window, HDROP drop) {
  std::wstring path;
  {
    // Released before the file is shown: a box may stay open for long.
    const UniqueDrop files(drop);
    // While a box or the settings window is up the main window takes no
    // input; a drop taken then would run inside the box's loop, and the
    // interrupted flow would afterwards overwrite what the drop showed.
    if (!::IsWindowEnabled(window.hwnd()))
      return;
    if (::DragQueryFileW(files.get(), 0xFFFFFFFF, nullptr, 0) == 0)
      return;
    const UINT length = ::DragQueryFileW(files.get(), 0, nullptr, 0);
    if (length == 0)
      return;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const UINT copied = ::DragQueryFileW(files.get(), 0, buffer.data(), length + 1);
    path.assign(buffer.data(), copied <= length ? copied : length);
  }
  RememberFolderOf(path);
  ShowChosenFileQuietly(window, path);
}

void ShowChosenFile(MainWindow& window, const std::wstring& path) {
  window.SetCurrentFile(path);
  const HeaderReading reading = readBinkHeader(path);
  // A file that cannot be read leaves the panel as it was; the path stays
  // in view so the user sees what was tried.
  if (reading.outcome == HeaderOutcome::unreadable)
    return;
  ShowHeader(window, reading);
}

}  // namespace vintrel
