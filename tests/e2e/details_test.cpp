// The panel's menu for a revision "k" or Bink 2 file: its facts copied as
// text (from the menu and with Ctrl+C) and listed in "Сведения о файле…".
#include "driver.h"
#include "res/details_window_ids.h"

namespace vintrel::e2e {
namespace {

using namespace main_ids;

class Details : public E2e {
 protected:
  // A right-click on the "Видео" frame; picks the item `n` places down.
  void PickFromMenu(int n) const {
    RECT frame{};
    GetWindowRect(Main(Frame1), &frame);
    PostMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main_),
                 MAKELPARAM(frame.left + 30, frame.top + 40));
    HWND menu = nullptr;
    Require(WaitUntil([&] {
              for (HWND w : TopWindows(pid_)) menu = ClassOf(w) == L"#32768" ? w : menu;
              return menu != nullptr;
            }),
            "no menu");
    for (int i = 0; i <= n; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    Require(Gone(menu), "the menu stays open");
    Send(main_, WM_NULL);
  }
};

TEST_F(Details, MenuCopiesTheFactsAndListsThemInTheDetailsWindow) {
  BikSpec two = Clip(1234, 150000, 640, 480, 100000, 3337, 44100);
  two.signature = "KB2", two.version = 'j', two.extraField = true, two.frameBytes = 10;
  two.tracks.push_back({22050, 0, 900, 5});
  const fs::path file2 = AddBik(L"видео\\второй.bk2", two);
  Start();
  // A pipe would hold a read forever: it is unreadable, and no file is current.
  const wchar_t* pipeName = L"\\\\.\\pipe\\vintrel-e2e";
  const ui::UniqueFile pipe(CreateNamedPipeW(pipeName, PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr));
  Drop({pipeName});
  ASSERT_TRUE(WaitUntil([&] { return Text(Main(bikfile)) == pipeName; }));
  Send(main_, WM_NULL);
  EXPECT_FALSE(FindBox(pid_));
  // No Bink file: both items are greyed, so nothing is copied.
  OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
  PickFromMenu(0);
  EXPECT_EQ(ClipboardText(), L"");

  Browse(file2);
  PickFromMenu(0);
  const std::wstring copied = ClipboardText();
  EXPECT_NE(copied.find(L"KB2j    640x480"), std::wstring::npos) << copied;
  EXPECT_NE(copied.find(L"  целый        " + file2.wstring() + L"\r\n"), std::wstring::npos)
      << copied;
  EXPECT_NE(copied.find(L"дорожка 1: 44100 Гц, стерео, 16 бит"), std::wstring::npos) << copied;
  EXPECT_NE(copied.find(L"дорожка 2: 22050 Гц, моно, 8 бит, RDFT, id 5"), std::wstring::npos);

  // Ctrl+C from a button copies too; the path box keeps its own copy.
  OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
  PostMessageW(Main(Command1), WM_CHAR, 3, 1);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == copied; }));

  PickFromMenu(1);
  const HWND details = WindowWith(pid_, details_ids::List);
  EXPECT_EQ(GetWindow(details, GW_OWNER), main_);
  EXPECT_EQ(Text(details), L"Сведения о файле");
  EXPECT_FALSE(IsWindowEnabled(main_));
  // The rows' texts are checked where they are made: here, that every fact is listed.
  EXPECT_EQ(Send(Item(details, details_ids::List), LVM_GETITEMCOUNT), 16);
  Key(details, VK_ESCAPE);
  EXPECT_TRUE(Gone(details));
  EXPECT_TRUE(IsWindowEnabled(main_));
}

}  // namespace
}  // namespace vintrel::e2e
