#include "app/folder_output.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/panel_menu.h"
#include "bink/bink_report.h"
#include "common/path_folder.h"
#include "win/system_error.h"
#include "win/system_library.h"
#include "win/unique_handle.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

constexpr DWORD kPathBufferChars = 32768;

std::wstring LastError() {
  return win::SystemErrorText(::GetLastError());
}

}  // namespace

std::string FolderTable(std::wstring_view folder, std::span<const FolderFile* const> files) {
  std::string table = TableHeader();
  for (const FolderFile* file : files)
    table += TableLine(win::Narrow(ShownPath(folder, file->row.file)), file->file);
  return table;
}

std::string FolderCsv(std::wstring_view folder, std::span<const FolderFile> files) {
  ReportStream report(ReportForm::csv);
  std::string csv = report.Begin();
  for (const FolderFile& file : files)
    csv += report.Item(win::Narrow(ShownPath(folder, file.row.file)), file.file);
  if (files.empty())
    csv += report.Item(win::Narrow(folder), NoVideosInFolder());
  return csv + report.End();
}

std::optional<std::wstring> AskCsvPath(HWND owner, std::wstring_view folder) {
  std::wstring name(folder);
  while (!name.empty() && (name.back() == L'\\' || name.back() == L'/')) name.pop_back();
  name.erase(0, name.find_last_of(L"\\/:") + 1);  // a drive has no name of its own
  name = (name.empty() ? L"bikinfo" : name) + L".csv";
  std::vector<wchar_t> buffer(kPathBufferChars, L'\0');
  std::copy_n(name.c_str(), std::min<size_t>(name.size(), kPathBufferChars - 1), buffer.data());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"CSV (*.csv)\0*.csv\0Все файлы (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kPathBufferChars;
  dialog.lpstrTitle = L"Сохранить CSV";
  dialog.lpstrDefExt = L"csv";
  dialog.Flags =
      OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  const auto getSaveFileName =
      win::RequireSystemFunction<decltype(::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!getSaveFileName(&dialog))
    return std::nullopt;
  buffer.back() = L'\0';
  return buffer.front() == L'\0' ? std::nullopt : std::optional<std::wstring>(buffer.data());
}

std::optional<std::wstring> WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  std::wstring folder = FolderOf(path);
  if (folder.empty())
    folder = L".";
  wchar_t temporary[MAX_PATH];
  if (!::GetTempFileNameW(folder.c_str(), L"csv", 0, temporary))
    return LastError();
  bool written = false;
  {
    win::UniqueFile file(::CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD put = 0;
    written = static_cast<bool>(file);
    for (size_t done = 0; written && done < bytes.size(); done += put) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
      written = ::WriteFile(file.get(), bytes.data() + done, chunk, &put, nullptr) && put > 0;
    }
    written = written && ::FlushFileBuffers(file.get());
  }
  if (written &&
      ::MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return std::nullopt;
  std::wstring reason = LastError();
  ::DeleteFileW(temporary);
  return reason;
}

void CopyText(HWND owner, std::string_view utf8) {
  CopyToClipboard(owner, utf8);
}

}  // namespace vintrel
