// "Справка": the About window, what it shows, and where its links lead.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/version.h"
#include "e2e_test.h"
#include "res/about_dialog_ids.h"
#include "res/main_window_ids.h"
#include "shell_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = about_ids;

constexpr wchar_t kDescription[] =
    L"Прога просматривает файлы формата *.bik от RAD Game Tools, Inc. за что им собсвенно и "
    L"спасибо. Всё просто: травишь прогу на файл, можно настроится, потом жмёшь смотреть. "
    L"Вот и всё.";

class AboutDialogTest : public E2eTest {
 protected:
  HWND OpenAbout() {
    App& app = StartApp();
    pid_ = app.Pid();
    main_ = app.WaitForMainWindow();
    Click(Control(main_, main_ids::Command4));
    return WaitForWindowWithControl(pid_, ids::Command1);
  }

  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

TEST_F(AboutDialogTest, ShowsItsTextsInTheirColoursModallyAndOkClosesIt) {
  HWND about = OpenAbout();
  const VersionInfo version = ReadVersionInfo(Folder().Exe());
  EXPECT_EQ(Text(about),
            L"О программе " + version.fileDescription + L" ver " + VersionText(kVersion));
  EXPECT_EQ(Text(about), L"О программе Vintrel ver " + VersionText(kVersion));

  EXPECT_EQ(Text(Control(about, ids::Label(1))), kDescription);
  EXPECT_EQ(Text(Control(about, ids::Label(5))), L"URL");
  EXPECT_EQ(Text(Control(about, ids::Label(6))), L"E-mail");
  EXPECT_EQ(Text(Control(about, ids::Command1)), L"Ok");
  EXPECT_EQ(Text(Control(about, ids::Label(2))).rfind(L"https://", 0), 0u);
  EXPECT_NE(Text(Control(about, ids::Label(3))).find(L'@'), std::wstring::npos);

  // A fixed tool window of 4200 x 1650 twips, owned by the main window.
  const LONG style = GetWindowLongW(about, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(about, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(about, GW_OWNER), main_);
  RECT client{};
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 280);
  EXPECT_EQ(client.bottom, 110);

  EXPECT_FALSE(IsEnabled(main_)) << "the main window must wait while About is open";
  EXPECT_EQ(FocusedControlId(about), ids::Command1);

  // Colours are what the layout checks at 96 and 144 dpi cannot see. Give the
  // window time to paint before looking at the screen.
  ASSERT_TRUE(WaitUntil([&] {
    return CountScreenPixels(ScreenRect(Control(about, ids::Label(1))), RGB(255, 0, 0)) > 50;
  })) << "the description is not drawn in red";
  EXPECT_GT(CountScreenPixels(ScreenRect(Control(about, ids::Label(2))), RGB(0, 0, 128)), 20)
      << "the web address is not drawn in dark blue";
  EXPECT_GT(
      CountScreenPixels(ScreenRect(Control(about, ids::Label(3))), GetSysColor(COLOR_HIGHLIGHT)),
      20)
      << "the e-mail address is not drawn in the highlight colour";

  Click(Control(about, ids::Command1));
  EXPECT_TRUE(WaitForWindowGone(about));
  EXPECT_TRUE(WaitUntil([&] { return IsEnabled(main_); }));
  // The program goes on: About opens again.
  Click(Control(main_, main_ids::Command4));
  HWND again = WaitForWindowWithControl(pid_, ids::Command1);
  PostClose(again);
  EXPECT_TRUE(WaitForWindowGone(again));
}

TEST_F(AboutDialogTest, LinksReachTheShellWithTheirExactTargets) {
  const std::filesystem::path log = Folder().Root() / L"links.log";
  const UrlHandlerOverride http(L"http", log);
  const UrlHandlerOverride https(L"https", log);
  const UrlHandlerOverride mailto(L"mailto", log);
  HWND about = OpenAbout();
  HWND web = Control(about, ids::Label(2));
  HWND mail = Control(about, ids::Label(3));

  ClickLabel(web);
  std::vector<std::wstring> links = WaitForRecordedLinks(log, 1);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0], Text(web));

  ClickLabel(mail);
  links = WaitForRecordedLinks(log, 2);
  ASSERT_EQ(links.size(), 2u);
  // Unencoded, blanks and Cyrillic letters as they are, two blanks at the end.
  EXPECT_EQ(links[1], L"mailto:" + Text(mail) + L"?Subject=О программе VINTREL ver " +
                          VersionText(kVersion) + L"  ");

  // The captions alone decide where the links lead.
  SetText(web, L"http://example.org/other page");
  SetText(mail, L"someone@example.org");
  ClickLabel(web);
  ClickLabel(mail);
  links = WaitForRecordedLinks(log, 4);
  ASSERT_EQ(links.size(), 4u);
  std::sort(links.begin() + 2, links.end());
  EXPECT_EQ(links[2], L"http://example.org/other page");
  EXPECT_EQ(links[3], L"mailto:someone@example.org?Subject=О программе VINTREL ver " +
                          VersionText(kVersion) + L"  ");

  EXPECT_TRUE(IsWindow(about) && IsVisible(about)) << "a link click must leave the window open";
}

}  // namespace
}  // namespace vintrel::e2e
