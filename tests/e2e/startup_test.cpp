// Start-up as a user meets it: the main window and its keyboard, the About
// window reached from it with where its links lead, and the end of the
// program with its window. The settings file's recovery is among the bad
// input's cases.
#include "driver.h"

namespace vintrel::e2e {

using namespace main_ids;
using Startup = E2e;

// A click on a link label, as the mouse delivers it.
static void ClickLink(HWND label) {
  PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// The links go to the recorder, registered for them from a short folder of
// the prefix: Wine reads a shell command into 256 characters, whatever the
// length of the path the project was cloned into. The prefix is the tests'
// own: its handlers need not come back.
TEST_F(Startup, MainWindowItsKeyboardAndTheAboutWindowWithItsLinks) {
  const fs::path recorder = L"C:\\vt\\rec.exe", links = L"C:\\vt\\calls.log";
  fs::create_directories(recorder.parent_path());
  fs::copy_file(BinFolder() / L"recorder.exe", recorder, fs::copy_options::overwrite_existing);
  fs::remove(links);
  for (const std::wstring scheme : {L"http", L"https", L"mailto"}) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, scheme.c_str());
    SetRegValue(scheme + L"\\shell\\open\\command", recorder.wstring() + L" \"%1\"");
  }
  Start();
  EXPECT_TRUE(WaitUntil([&] { return Status() == L"0  "; })) << Status();
  EXPECT_EQ(Text(main_), L"VINTREL ver 1.2.48  Vintrel Team");  // the exe's company name
  for (int id : kAudio) EXPECT_EQ(IsWindowEnabled(Main(id)) != FALSE, id == sampleBitsValue) << id;

  // The keyboard starts on "Смотреть"; Tab walks the window and comes round,
  // and Enter on "Справка" opens the About window.
  EXPECT_TRUE(WaitFocus(main_, playButton));
  for (int id : {settingsButton, filePathBox, aboutButton, browseButton, playButton, settingsButton,
                 filePathBox, aboutButton}) {
    Key(main_, VK_TAB);
    EXPECT_TRUE(WaitFocus(main_, id)) << id;
  }
  Key(main_, VK_RETURN);
  HWND about = WindowWith(pid_, about_ids::okButton);
  ExpectModal(about, L"О программе Vintrel ver 1.2.48", about_ids::okButton);
  HWND web = Item(about, about_ids::webPageLink), mail = Item(about, about_ids::emailLink);
  EXPECT_TRUE(WaitUntil([&] {
    return CountPixels(Item(about, about_ids::descriptionLabel), RGB(255, 0, 0)) > 50;
  })) << "the description is drawn in red";
  EXPECT_GT(CountPixels(web, RGB(0, 0, 128)), 20) << "the web address in dark blue";
  EXPECT_GT(CountPixels(mail, GetSysColor(COLOR_HIGHLIGHT)), 20) << "the e-mail in the highlight";

  // The captions alone decide where the links lead, but only to a web page
  // over https or to e-mail: a plain http click opens nothing. The mail
  // subject is unencoded, two blanks at its end.
  SetText(web, L"https://example.org/other page");
  SetText(mail, L"someone@example.org");
  ClickLink(web);
  EXPECT_TRUE(WaitUntil([&] { return ReadCalls(links).size() == 1; }));
  SetText(web, L"http://example.org/");
  ClickLink(web);
  ClickLink(mail);
  EXPECT_TRUE(WaitUntil([&] { return ReadCalls(links).size() == 2; }));
  EXPECT_EQ(ReadCalls(links),
            (std::vector<Args>{
                {recorder.wstring(), L"https://example.org/other page"},
                {recorder.wstring(),
                 L"mailto:someone@example.org?Subject=О программе VINTREL ver 1.2.48  "}}));
  EXPECT_TRUE(IsWindowVisible(about)) << "a link leaves the window open";

  // Only "Ok" takes the focus: Tab stays there, and Enter closes the window.
  Key(about, VK_TAB);
  Key(about, VK_RETURN);
  EXPECT_TRUE(Gone(about));
  EXPECT_TRUE(WaitFocus(main_, aboutButton)) << "the main window is back in reach";
  CloseAndExpectExit();
  EXPECT_EQ(ReadFile(IniPath()), kIni) << "a clean start and close rewrite nothing";
}

}  // namespace vintrel::e2e
