#include "common/path_folder.h"

namespace vintrel {
namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

}  // namespace

std::wstring FolderOf(std::wstring_view path) {
  const size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos)
    return {};

  size_t length = separator;
  while (length > 0 && IsSeparator(path[length - 1])) --length;
  if (length == 0)
    return std::wstring(1, path[separator]);  // the root of the current drive
  const std::wstring_view folder = path.substr(0, length);
  if (folder.size() == 2 && folder[1] == L':') {
    return std::wstring(folder) + path[length];
  }
  return std::wstring(folder);
}

}  // namespace vintrel
