#pragma once
#include <string>
#include <string_view>

namespace vintrel {

// The folder part of a full file path, as the open dialog takes it for its
// starting folder: "C:\a\b.bik" gives "C:\a", "C:\b.bik" gives "C:\" (a bare
// "C:" would mean the drive's current folder instead). Empty when the path
// names no folder.
std::wstring FolderOf(std::wstring_view path);

}  // namespace vintrel
