// The folder window: opened by a drop and from the command line, its rows
// and verdicts, a sort, the sub-folders, the CSV file against bikinfo's, and
// "Смотреть" and Enter on a row.
#include "driver.h"
#include "folder_window_ids.h"

namespace vintrel::e2e {

using namespace folder_ids;

class Folder : public E2e {
 protected:
  // The window, once its scan has ended.
  HWND Scanned() const {
    HWND window = WindowWith(pid_, videoList);
    Require(WaitUntil([&] { return IsWindowEnabled(Item(window, saveCsvButton)) != FALSE; }),
            "no end");
    return window;
  }
  // A column's texts, row by row, read through memory in the program.
  std::vector<std::wstring> Column(HWND window, int column) const {
    struct Block {
      LVITEMW item;
      wchar_t text[200];
    } block{};
    auto* remote = static_cast<Block*>(Remote(&block, sizeof block));
    std::vector<std::wstring> texts;
    for (LRESULT row = 0, rows = Send(Item(window, videoList), LVM_GETITEMCOUNT); row < rows;
         ++row) {
      block.item = LVITEMW{};
      block.item.iSubItem = column, block.item.pszText = remote->text, block.item.cchTextMax = 200;
      WriteProcessMemory(process_.get(), remote, &block, sizeof block, nullptr);
      Send(Item(window, videoList), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
      ReadProcessMemory(process_.get(), remote, &block, sizeof block, nullptr);
      texts.push_back(block.text);
    }
    VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
    return texts;
  }
  // What bikinfo.exe prints for these arguments.
  std::string Bikinfo(const std::wstring& arguments) const {
    const fs::path out = root_ / L"bikinfo.out";
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    win::UniqueFile file(
        CreateFileW(out.c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup, startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = file.get();
    std::wstring line = L"\"" + (BinFolder() / L"bikinfo.exe").wstring() + L"\" " + arguments;
    PROCESS_INFORMATION info{};
    Require(CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &info),
            "cannot start bikinfo");
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess), CloseHandle(info.hThread), file.reset();
    return ReadFile(out);
  }
};

TEST_F(Folder, DroppedOrNamedFolderListsItsVideosWithVerdictsSortsSavesBikinfosCsvAndPlays) {
  BikSpec spec = Clip(3, 16, 320, 240, 25, 1);
  spec.frameBytes = 16, spec.keyframeEvery = 1;
  const std::string whole = BikBytes(spec);
  const fs::path folder = Add(L"ролики\\whole.bik", whole).parent_path();
  Add(L"ролики\\cut.bik", whole.substr(0, whole.size() - 10));
  Add(L"ролики\\text.bik", "это не видео");
  Add(L"ролики\\notes.txt", "");
  Add(L"ролики\\sub\\deep.bk2", whole);

  Start();
  Drop({folder.wstring()});
  HWND window = Scanned();
  EXPECT_EQ(Column(window, 0), (std::vector<std::wstring>{L"cut.bik", L"text.bik", L"whole.bik"}));
  const std::vector<std::wstring> verdicts = Column(window, 10);
  ASSERT_EQ(verdicts.size(), 3u);
  EXPECT_EQ(verdicts[0].rfind(L"повреждён: обрезан: ", 0), 0u) << verdicts[0];
  EXPECT_EQ(verdicts[1], L"не Bink: не видео Bink");
  EXPECT_EQ(verdicts[2], L"целый");
  EXPECT_EQ(Column(window, 3)[2], L"3");
  EXPECT_EQ(Text(Item(window, summaryLabel)).substr(0, 8), L"3 файла,");
  EXPECT_NE(Text(Item(window, summaryLabel)).find(L", 2 повреждены"), std::wstring::npos);
  EXPECT_GT(CountPixels(Item(window, videoList), RGB(192, 0, 0)), 20) << "damaged rows stand out";

  // The sub-folders' files join, and a click on "Итог" puts whole files first.
  Send(Item(window, withSubfoldersBox), BM_CLICK);
  Scanned();
  HWND header = reinterpret_cast<HWND>(Send(Item(window, videoList), LVM_GETHEADER));
  int x = 0;
  for (int column = 0; column < 10; ++column)
    x += Send(Item(window, videoList), LVM_GETCOLUMNWIDTH, column);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x + 10, 5));
  PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x + 10, 5));
  const std::vector<std::wstring> byVerdict{L"sub\\deep.bk2", L"whole.bik", L"cut.bik",
                                            L"text.bik"};
  EXPECT_TRUE(WaitUntil([&] { return Column(window, 0) == byVerdict; })) << Column(window, 0)[0];

  // The CSV file is bikinfo's for the same folder, byte for byte.
  Click(Item(window, saveCsvButton));
  HWND save = WindowWith(pid_, kFileName);
  EXPECT_EQ(Text(save), L"Сохранить CSV");
  SetText(Item(save, kFileName), (root_ / L"list.csv").wstring());
  PostMessageW(save, WM_COMMAND, IDOK, 0);
  Require(Gone(save), "the save dialog stayed");
  EXPECT_TRUE(WaitUntil([&] { return !ReadFile(root_ / L"list.csv").empty(); }));
  EXPECT_EQ(ReadFile(root_ / L"list.csv"), Bikinfo(L"--csv -r \"" + folder.wstring() + L"\""));

  // Enter shows the row in the main window, Ctrl+C copies it as bikinfo's table
  // has it, and "Смотреть" plays it as the main window plays a file.
  const fs::path deep = folder / L"sub\\deep.bk2";
  Send(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(window, videoList)), TRUE);
  Key(window, VK_HOME);
  Key(window, VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return Text(Main(main_ids::filePathBox)) == deep.wstring(); }));
  SetForegroundWindow(window);
  INPUT keys[4] = {};
  for (int i = 0; i < 4; ++i)
    keys[i].type = INPUT_KEYBOARD, keys[i].ki.wVk = i % 3 ? 'C' : VK_CONTROL,
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  TakeClipboardText();
  SendInput(4, keys, sizeof(INPUT));
  WaitUntil([] { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }, 3000);
  const std::wstring copied = TakeClipboardText();
  EXPECT_NE(copied.find(L"Файл\r\nBIKi    320x240"), std::wstring::npos) << copied;
  EXPECT_NE(copied.find(L"целый        " + deep.wstring() + L"\r\n"), std::wstring::npos);
  Click(Item(window, playButton));
  EXPECT_EQ(Plays(1), std::vector<Args>{PlayerArgs(deep)});

  // Named on the command line, the folder opens instead of being played.
  Start(L"\"" + folder.wstring() + L"\"");
  EXPECT_EQ(Column(Scanned(), 0).size(), 3u);
  EXPECT_EQ(Plays().size(), 1u);
  EXPECT_FALSE(WaitExit(0));
}

}  // namespace vintrel::e2e
