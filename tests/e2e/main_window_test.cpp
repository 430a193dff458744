// The main window as a user first sees it, and its end.
#include "app/main_window_ids.h"
#include "e2e_test.h"

namespace vintrel::e2e {
namespace {

class MainWindowTest : public E2eTest {};

TEST_F(MainWindowTest, CaptionCarriesVersionAndCompanyFromVersionInfo) {
  const VersionInfo version = ReadVersionInfo(Folder().Exe());
  ASSERT_FALSE(version.companyName.empty()) << "the program names no company";

  HWND main = StartAndWaitForMainWindow();

  EXPECT_EQ(ToUtf8(Text(main)), ToUtf8(L"VINTREL ver 1.2.48  " + version.companyName));
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram) {
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();

  PostClose(main);

  const std::optional<DWORD> exitCode = app.WaitForExit();
  ASSERT_TRUE(exitCode.has_value()) << "the program still runs after its window was closed";
  EXPECT_EQ(*exitCode, 0u);
}

}  // namespace
}  // namespace vintrel::e2e
