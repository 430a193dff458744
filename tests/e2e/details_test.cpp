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
              for (HWND w : TopWindows(pid_)) {
                wchar_t name[16] = {};
                if (GetClassNameW(w, name, 16) && std::wstring(name) == L"#32768" && Visible(w))
                  menu = w;
              }
              return menu != nullptr;
            }),
            "no menu");
    for (int i = 0; i <= n; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    Require(Gone(menu), "the menu stays open");
    Sync(main_);
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
  // No file yet: both items are greyed, so nothing is copied.
  OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
  PickFromMenu(0);
  EXPECT_EQ(ClipboardText(), L"");

  for (const fs::path& file : {fileK, file2}) {
    Browse(file);
    const std::wstring labels[] = {Text(Main(Label(1))), Text(Main(Label(7))),
                                   Text(Main(Label(11))), Text(Main(Label(12))),
                                   Text(Main(Label(13)))};
    EXPECT_EQ(labels[0], file == fileK ? L"BIK" : L"KB2");
    EXPECT_EQ(std::vector(labels + 1, labels + 5),
              (std::vector<std::wstring>{L"30", L"2", L"16", L"44100"}));
    EXPECT_TRUE(Enabled(Main(Frame2)));
  }
  PickFromMenu(0);
  const std::wstring copied = ClipboardText();
  EXPECT_EQ(copied.rfind(L"Формат", 0), 0u) << copied;
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
  EXPECT_FALSE(Enabled(main_));
  const std::vector<std::wstring> rows = ListRows(Item(details, details_ids::List));
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0], L"Файл\t" + file2.wstring());
  EXPECT_EQ(rows[1], L"Формат\tKB2j (Bink 2)");
  EXPECT_EQ(rows[14], L"Дорожка 2\t22050 Гц, моно, 8 бит, RDFT, id 5, наиб. пакет 900 байт");
  EXPECT_EQ(rows[15], L"Целостность\tцелый");
  Key(details, VK_ESCAPE);
  EXPECT_TRUE(Gone(details));
  EXPECT_TRUE(Enabled(main_));
}

}  // namespace
}  // namespace vintrel::e2e
