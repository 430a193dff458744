// Start-up as a user meets it: the main window, its caption and status line,
// the stored options applied under the error trap, the recovery of a broken
// settings file, and the end of the program with its window.
#include <gtest/gtest.h>

#include "common/version.h"
#include "e2e_test.h"
#include "res/main_window_ids.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;

constexpr wchar_t kRecovered[] = L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";

class StartupTest : public E2eTest {
 protected:
  // Starts the program on `ini` (on no file when it is empty) and waits for
  // the status line to say `status`.
  void Start(std::string_view ini, std::wstring_view status) {
    if (!ini.empty())
      WriteIniBytes(ini);
    app_ = &StartApp();
    main_ = app_->WaitForMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return Status() == status; })) << ToUtf8(Status());
  }

  std::wstring Status() const { return StatusText(Control(main_, ids::Status)); }

  // Closes the main window as a user would: the program ends, and cleanly.
  void CloseAndWait() {
    PostClose(main_);
    const std::optional<DWORD> code = app_->WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end after its window closed";
    EXPECT_EQ(*code, 0u);
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

TEST_F(StartupTest, MainWindowShowsCaptionStatusAndInitialStateAndClosingEndsTheProgram) {
  Start(kValidIni, L"0  ");
  const VersionInfo version = ReadVersionInfo(Folder().Exe());
  EXPECT_FALSE(version.companyName.empty()) << "the program names no company";
  EXPECT_EQ(Text(main_), L"VINTREL ver " + VersionText(kVersion) + L"  " + version.companyName);

  EXPECT_EQ(FocusedControlId(main_), ids::Command1);
  EXPECT_FALSE(IsVisible(Control(main_, ids::kov)));
  EXPECT_EQ(Text(Control(main_, ids::kov)), L"\"");
  EXPECT_FALSE(IsVisible(Control(main_, ids::PicBullsEye)));
  EXPECT_TRUE(IsVisible(Control(main_, ids::bikfile)));
  EXPECT_EQ(Text(Control(main_, ids::bikfile)), L"");
  EXPECT_FALSE(IsEnabled(Control(main_, ids::Frame2)));
  for (int n : {3, 10, 9, 11, 16, 13, 17}) {
    EXPECT_FALSE(IsEnabled(Control(main_, ids::Label(n)))) << "Label" << n;
  }
  EXPECT_TRUE(IsEnabled(Control(main_, ids::Label(12))));

  CloseAndWait();
  EXPECT_EQ(ReadIniBytes(), kValidIni) << "a clean start and close must not rewrite the file";
}

TEST_F(StartupTest, FirstStartWithoutSettingsRecoversTheDefaults) {
  Start("", kRecovered);
  const std::wstring expected =
      L"[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      L"qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\n";
  EXPECT_EQ(ReadIniText(), expected);

  CloseAndWait();
  EXPECT_EQ(ReadIniText(), expected + L"fe=auto\r\n");
}

TEST_F(StartupTest, EmptyDisplayModeEndsInTheRecoveryOfEveryOption) {
  Start(
      "[main]\r\nre=0\r\npe=1\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nde=\r\nfe=max\r\n",
      kRecovered);
  const std::wstring text = ReadIniText();
  for (const wchar_t* line : {L"re=1\r\n", L"pe=0\r\n", L"de=11\r\n", L"fe=max\r\n"}) {
    EXPECT_NE(text.find(line), std::wstring::npos) << ToUtf8(line) << " is missing; fe stays";
  }
}

TEST_F(StartupTest, OverflowIsReportedAndTheFileIsLeftAlone) {
  std::string ini(kValidIni);
  ini.replace(ini.find("re=1"), 4, "re=99999");
  Start(ini, L"6  Переполнение");
  EXPECT_EQ(ReadIniBytes(), ini);
  // Nothing half-read is stored at the end either: de and fe survive.
  CloseAndWait();
  EXPECT_EQ(ReadIniBytes(), ini);
}

}  // namespace
}  // namespace vintrel::e2e
