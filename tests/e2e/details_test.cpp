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
    Require(
        WaitUntil([&] {
          for (HWND w : TopWindows(pid_)) {
            wchar_t name[16] = {};
            if (GetClassNameW(w, name, 16) && std::wstring(name) == L"#32768" && IsWindowVisible(w))
              menu = w;
          }
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
  BikSpec k = Clip(1234, 150000, 640, 480, 100000, 3337, 44100);
  k.version = 'k', k.extraField = true, k.frameBytes = 10;
  k.tracks.push_back({22050, 0, 900, 5});
  BikSpec two = k;
  two.signature = "KB2", two.version = 'j';
  const fs::path fileK = AddBik(L"видео\\клип k.bik", k);
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

  for (const fs::path& file : {fileK, file2}) {
    Browse(file);
    std::wstring shown;
    for (int n : {1, 7, 11, 12, 13}) shown += Text(Main(Label(n))) + L" ";
    EXPECT_EQ(shown, (file == fileK ? L"BIK" : L"KB2") + std::wstring(L" 30 2 16 44100 "));
    EXPECT_TRUE(IsWindowEnabled(Main(Frame2)));
  }
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
  const std::vector<std::wstring> rows = ListRows(Item(details, details_ids::List));
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0], L"Файл\t" + file2.wstring());
  EXPECT_EQ(rows[1], L"Целостность\tцелый");
  EXPECT_EQ(rows[2], L"Формат\tKB2j (Bink 2)");
  EXPECT_EQ(rows[15], L"Дорожка 2\t22050 Гц, моно, 8 бит, RDFT, id 5, наиб. пакет 900 байт");
  Key(details, VK_ESCAPE);
  EXPECT_TRUE(Gone(details));
  EXPECT_TRUE(IsWindowEnabled(main_));
}

}  // namespace
}  // namespace vintrel::e2e
