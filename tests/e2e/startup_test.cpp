// Start-up as a user meets it: the main window, its caption and status line,
// the stored options applied under the error trap, and the recovery of a
// broken settings file.
#include <gtest/gtest.h>

#include "app/main_window_ids.h"
#include "e2e_test.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;

// A complete, valid settings file as the program itself writes it.
constexpr std::string_view kValidIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\nfe=auto\r\n";

class StartupTest : public E2eTest {
 protected:
  std::wstring Status(HWND main) { return StatusText(Control(main, ids::Status)); }

  // Closes the main window as a user would and waits for the process to end.
  void CloseAndWait(HWND main, App& app) {
    PostClose(main);
    const auto code = app.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end after its window closed";
  }
};

TEST_F(StartupTest, MainWindowShowsCaptionStatusAndInitialState) {
  WriteIniBytes(kValidIni);
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();

  const VersionInfo version = ReadVersionInfo(Folder().Exe());
  EXPECT_EQ(Text(main), L"VINTREL ver 1.2.48  " + version.companyName);
  EXPECT_FALSE(version.companyName.empty());
  ASSERT_TRUE(WaitUntil([&] { return Status(main) == L"0  "; })) << ToUtf8(Status(main));

  EXPECT_EQ(FocusedControlId(main), ids::Command1);
  EXPECT_FALSE(IsVisible(Control(main, ids::kov)));
  EXPECT_EQ(Text(Control(main, ids::kov)), L"\"");
  EXPECT_FALSE(IsVisible(Control(main, ids::PicBullsEye)));
  EXPECT_TRUE(IsVisible(Control(main, ids::bikfile)));
  EXPECT_EQ(Text(Control(main, ids::bikfile)), L"");

  EXPECT_FALSE(IsEnabled(Control(main, ids::Frame2)));
  for (int n : {3, 10, 9, 11, 16, 13, 17}) {
    EXPECT_FALSE(IsEnabled(Control(main, ids::Label(n)))) << "Label" << n;
  }
  EXPECT_TRUE(IsEnabled(Control(main, ids::Label(12))));

  const std::vector<int> expectedTabs = {ids::Command1, ids::Command2, ids::bikfile, ids::Command4,
                                         ids::cmdAddFile};
  EXPECT_EQ(TabOrder(main), expectedTabs);

  CloseAndWait(main, app);
  EXPECT_EQ(ReadIniBytes(), kValidIni) << "a clean start and close must not rewrite the file";
}

TEST_F(StartupTest, FirstStartWithoutSettingsRecoversTheDefaults) {
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  ASSERT_TRUE(WaitUntil([&] {
    return Status(main) == L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";
  })) << ToUtf8(Status(main));

  std::wstring expected =
      L"[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      L"qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\n";
  EXPECT_EQ(ReadIniText(), expected);

  CloseAndWait(main, app);
  EXPECT_EQ(ReadIniText(), expected + L"fe=auto\r\n");
}

TEST_F(StartupTest, EmptyDisplayModeEndsInTheRecoveryOfEveryOption) {
  WriteIniBytes(
      "[main]\r\nre=0\r\npe=1\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nde=\r\nfe=max\r\n");
  HWND main = StartAndWaitForMainWindow();
  ASSERT_TRUE(WaitUntil([&] {
    return Status(main) == L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";
  })) << ToUtf8(Status(main));
  const std::wstring text = ReadIniText();
  EXPECT_NE(text.find(L"re=1\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"pe=0\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"de=11\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"fe=max\r\n"), std::wstring::npos) << "the recovery leaves fe alone";
}

TEST_F(StartupTest, OverflowIsReportedAndTheFileIsLeftAlone) {
  const std::string ini(
      "[main]\r\nre=99999\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=25.0\r\n");
  WriteIniBytes(ini);
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  ASSERT_TRUE(WaitUntil([&] { return Status(main) == L"6  Переполнение"; }))
      << ToUtf8(Status(main));
  EXPECT_EQ(ReadIniBytes(), ini);
  // Nothing half-read is stored at the end either: de=9 and fe=25.0 survive.
  CloseAndWait(main, app);
  EXPECT_EQ(ReadIniBytes(), ini);
}

TEST_F(StartupTest, ClosingTheWindowEndsTheProgram) {
  WriteIniBytes(kValidIni);
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  CloseAndWait(main, app);
  EXPECT_FALSE(app.IsRunning());
}

}  // namespace
}  // namespace vintrel::e2e
