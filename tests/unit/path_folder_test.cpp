#include "common/path_folder.h"

#include <gtest/gtest.h>

#include <utility>

namespace vintrel {
namespace {

// The open dialog starts in the chosen file's folder: a drive's root keeps
// its separator ("C:" alone is the drive's current folder), doubled
// separators before the name go.
TEST(FolderOf, TheFolderOfAFullPathRootsKeepingTheirSeparator) {
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\Видео\\мой фильм.bik", L"C:\\Видео"}, {L"C:/videos/intro.bik", L"C:/videos"},
      {L"\\\\server\\share\\intro.bik", L"\\\\server\\share"}, {L"C:\\intro.bik", L"C:\\"},
      {L"D:/intro.bik", L"D:/"}, {L"\\intro.bik", L"\\"}, {L"C:\\videos\\\\intro.bik", L"C:\\videos"},
      {L"C:\\\\intro.bik", L"C:\\"}, {L"", L""}, {L"intro.bik", L""}, {L"C:intro.bik", L""}};
  // clang-format on
  for (const auto& [path, folder] : cases) EXPECT_EQ(FolderOf(path), folder) << path;
}

}  // namespace
}  // namespace vintrel
