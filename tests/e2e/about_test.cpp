// "Справка": the About window, what it shows, and where its links lead. The
// links go to the recorder, registered for them from a short folder of the
// prefix: Wine reads a shell command into 256 characters, whatever the
// length of the path the project was cloned into.
#include "driver.h"

namespace vintrel::e2e {

using namespace about_ids;

constexpr const wchar_t* kSchemes[] = {L"http", L"https", L"mailto"};
const fs::path kRecorder = L"C:\\vt\\rec.exe";

class About : public E2e {
 protected:
  void SetUp() override {
    E2e::SetUp();
    fs::create_directories(kRecorder.parent_path());
    fs::copy_file(BinFolder() / L"recorder.exe", kRecorder, fs::copy_options::overwrite_existing);
    fs::remove(kRecorder.parent_path() / L"calls.log");
    // The prefix is the tests' own: its handlers need not come back.
    for (const std::wstring scheme : kSchemes) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, scheme.c_str());
      SetRegValue(scheme + L"\\shell\\open\\command", kRecorder.wstring() + L" \"%1\"");
    }
  }
  // A click on a link label, as the mouse delivers it: the target the handler got.
  std::wstring ClickLink(HWND label, size_t count) const {
    PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    std::vector<Args> calls;
    WaitUntil([&] {
      return (calls = ReadCalls(kRecorder.parent_path() / L"calls.log")).size() >= count;
    });
    Require(calls.size() == count && calls.back().size() == 2, "the link reached no handler whole");
    return calls.back()[1];
  }
};

TEST_F(About, ShowsItsTextsInTheirColoursModallyAndItsLinksReachTheShell) {
  Start();
  // From the keyboard: Tab to "Справка", Enter.
  for (int i = 0; i < 3; ++i) Key(main_, VK_TAB);
  ASSERT_TRUE(WaitFocus(main_, main_ids::Command4));
  Key(main_, VK_RETURN);
  HWND about = WindowWith(pid_, Command1);
  ExpectModal(about, L"О программе Vintrel ver 1.2.48", Command1);
  HWND web = Item(about, Label(2)), mail = Item(about, Label(3));
  EXPECT_TRUE(WaitUntil([&] { return CountPixels(Item(about, Label(1)), RGB(255, 0, 0)) > 50; }))
      << "the description is drawn in red";
  EXPECT_GT(CountPixels(web, RGB(0, 0, 128)), 20) << "the web address in dark blue";
  EXPECT_GT(CountPixels(mail, GetSysColor(COLOR_HIGHLIGHT)), 20) << "the e-mail in the highlight";

  // The captions alone decide where the links lead, but only to a web page
  // over https or to e-mail: a plain http click opens nothing. The mail
  // subject is unencoded, two blanks at its end.
  SetText(web, L"https://example.org/other page");
  SetText(mail, L"someone@example.org");
  EXPECT_EQ(ClickLink(web, 1), L"https://example.org/other page");
  SetText(web, L"http://example.org/");
  PostMessageW(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageW(web, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(ClickLink(mail, 2),
            L"mailto:someone@example.org?Subject=О программе VINTREL ver 1.2.48  ");
  EXPECT_TRUE(IsWindowVisible(about)) << "a link leaves the window open";

  // Only "Ok" takes the focus: Tab stays there, and Enter closes the window.
  Key(about, VK_TAB);
  Key(about, VK_RETURN);
  EXPECT_TRUE(Gone(about));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_); }));
  EXPECT_TRUE(WaitFocus(main_, main_ids::Command4));
}

}  // namespace vintrel::e2e
