#include "common/path_folder.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

TEST(FolderOf, FolderOfAFileInAFolder) {
  EXPECT_EQ(FolderOf(L"C:\\Видео\\мой фильм.bik"), L"C:\\Видео");
  EXPECT_EQ(FolderOf(L"Z:\\work\\a b\\c\\d.bik"), L"Z:\\work\\a b\\c");
  EXPECT_EQ(FolderOf(L"C:/videos/intro.bik"), L"C:/videos");
  EXPECT_EQ(FolderOf(L"\\\\server\\share\\intro.bik"), L"\\\\server\\share");
}

TEST(FolderOf, ADriveRootKeepsItsSeparator) {
  // "C:" alone would mean the drive's current folder, not its root.
  EXPECT_EQ(FolderOf(L"C:\\intro.bik"), L"C:\\");
  EXPECT_EQ(FolderOf(L"D:/intro.bik"), L"D:/");
  EXPECT_EQ(FolderOf(L"\\intro.bik"), L"\\");
}

TEST(FolderOf, DoubledSeparatorsBeforeTheNameAreDropped) {
  EXPECT_EQ(FolderOf(L"C:\\videos\\\\intro.bik"), L"C:\\videos");
  EXPECT_EQ(FolderOf(L"C:\\\\intro.bik"), L"C:\\");
}

TEST(FolderOf, NoFolderInTheName) {
  EXPECT_EQ(FolderOf(L""), L"");
  EXPECT_EQ(FolderOf(L"intro.bik"), L"");
  EXPECT_EQ(FolderOf(L"C:intro.bik"), L"");
}

}  // namespace
}  // namespace vintrel
