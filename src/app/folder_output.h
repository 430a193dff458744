#pragma once
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bink/folder_row.h"

namespace vintrel {

// What bikinfo prints for the files found below `folder` (named as the
// user gave it): its table (the copy of a selection), and its CSV form of
// the whole folder (bikinfo --csv, -r with the sub-folders), the files in the
// order they were read.
std::string FolderTable(std::wstring_view folder, std::span<const FolderFile* const> files);
std::string FolderCsv(std::wstring_view folder, std::span<const FolderFile> files);

// "Сохранить CSV…": the save dialog over `owner`, suggesting the folder's
// own name ("Movies.csv"); nothing when the user cancels.
std::optional<std::wstring> AskCsvPath(HWND owner, std::wstring_view folder);

// Writes `bytes` as the whole of `path` through a new file beside it, which
// then takes the old one's place: a write that fails leaves an older file as
// it was. Returns the system's reason when it fails.
std::optional<std::wstring> WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Puts UTF-8 text on the clipboard, with the system's line breaks.
void CopyText(HWND owner, std::string_view utf8);

}  // namespace vintrel
