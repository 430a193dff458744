#pragma once
// The folder window's row of an examined file, as its list shows and sorts it.
#include <string>
#include <string_view>

#include "bink/bink_examine.h"
#include "bink/folder_table.h"

namespace vintrel {

// A file found below the folder, kept with its examination so that a copy
// or a CSV file prints exactly what bikinfo prints for it.
struct FolderFile {
  FolderRow row;
  BinkExamination file;
  // Not a video but a folder below that could not be listed to its end.
  bool IsFolderFailure() const { return file.problemKind == ProblemKind::folderUnreadable; }
};

// `relative` is the file's path below the folder.
FolderRow FolderRowOf(std::wstring relative, const BinkExamination& file);

// A cell of the list as bikinfo's table has it, UTF-8, with digits grouped;
// empty where the header could not be read. The verdict names the first
// fault found ("обрезан: 1 000 байт из 2 000") or says "целый". The file
// column is the row's own name.
std::string FolderCell(const FolderFile& file, FolderColumn column);

// The column titles, those of bikinfo's table with the file first.
std::wstring_view FolderColumnTitle(FolderColumn column);
inline constexpr int kFolderColumns = static_cast<int>(FolderColumn::verdict) + 1;

// The path bikinfo names a file found below `folder` by: the folder as it
// was given, the separator unless it ends in one or is a drive alone ("D:"),
// then the names below. An empty `relative` is the folder itself.
std::wstring ShownPath(std::wstring_view folder, std::wstring_view relative);

// What bikinfo reports for a folder without videos, so that a CSV file of
// it is bikinfo's too.
BinkExamination NoVideosInFolder();

}  // namespace vintrel
