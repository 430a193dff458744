// "Обзор" and a drop as a user meets them: the real open dialog, the two
// information frames, the message for a file that is not Bink video, and the
// panel's menu for a revision "k" or Bink 2 file: its facts copied as text
// (from the menu and with Ctrl+C) and listed in "Сведения о файле…".
#include "driver.h"

namespace vintrel::e2e {

using namespace main_ids;

// Every field distinct and above 16 bits where it can be, so a field read
// from the wrong place or with the wrong weights shows. A panel is the value
// labels' texts: kind, colour, largest frame, height, width, frames, rate;
// channels, bits, sample rate.
const BikSpec kColour = Clip(1234, 150000, 640, 480, 100000, 3337, 48000);
constexpr wchar_t kColourPanel[] = L"BIK Цвет 150000 480 640 1234 30 2 16 48000 ";
constexpr wchar_t kSilentPanel[] = L"BIK Цвет 150000 480 640 1234 30 0 0 0 ";

class Files : public E2e {
 protected:
  // The file shown, the labels' texts and the "Звук" frame enabled or not.
  void ExpectPanel(const fs::path& file, const std::wstring& expected, bool audio) const {
    EXPECT_EQ(Text(Main(filePathBox)), file.wstring());
    std::wstring shown;
    for (int id :
         {formatValue, frameTypeValue, largestFrameValue, heightValue, widthValue, frameCountValue,
          frameRateValue, channelsValue, sampleBitsValue, sampleRateValue})
      shown += Text(Main(id)) + L" ";
    EXPECT_EQ(shown, expected);
    for (int id : kAudio) EXPECT_EQ(IsWindowEnabled(Main(id)) != FALSE, audio) << id;
  }
  // The main window is out of reach until the box is answered; then the panel is clear.
  void ExpectNotBink() const {
    ExpectError(WaitBox(pid_), L"Файл не является правильным файлом Bink видео.");
    Send(main_, WM_NULL);
    ExpectPanel(L"", L"  0 0 0 0 0 0 0 0 ", false);
  }
  // A drop that is taken: its first file is shown.
  void DropShown(const std::vector<std::wstring>& files) const {
    Drop(files);
    Require(WaitUntil([&] { return Text(Main(filePathBox)) == files[0]; }),
            "the drop was not taken");
    Send(main_, WM_NULL);
  }
  // A right-click on the "Видео" frame; picks the item `n` places down.
  void PickFromMenu(int n) const {
    RECT frame{};
    GetWindowRect(Main(videoGroup), &frame);
    PostMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main_),
                 MAKELPARAM(frame.left + 30, frame.top + 40));
    HWND menu = WaitWindow(pid_, [](HWND w) { return ClassOf(w) == L"#32768"; });
    for (int i = 0; i <= n; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    Require(Gone(menu), "the menu stays open");
    Send(main_, WM_NULL);
  }
};

TEST_F(Files, ChosenOrDroppedFileShowsItsHeaderOrIsReportedAndItsFactsAreCopiedAndListed) {
  const fs::path colour = AddBik(L"папка A\\clip.bik", kColour);
  const fs::path silent =
      AddBik(L"папка A\\silent.bik", Clip(1234, 150000, 640, 480, 100000, 3337));
  Start();
  Browse(colour);
  ExpectPanel(colour, kColourPanel, true);
  // A bare name is looked for where the dialog starts: in the last file's folder.
  Browse(L"silent.bik");
  ExpectPanel(silent, kSilentPanel, false);

  // A file that is not Bink, chosen from every file.
  HWND dialog = OpenDialog(), types = Item(dialog, kFileTypes);
  EXPECT_EQ(Items(types),
            (std::vector<std::wstring>{L"Обычные bik (*.bik)", L"Возможные модификации (*.*)",
                                       L"Bink 2 (*.bk2)"}));
  EXPECT_EQ(Send(types, CB_GETCURSEL), 0);
  Select(types, 1);
  SetText(Item(dialog, kFileName), Add(L"notes.txt", "Just some notes, not video.\r\n").wstring());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ExpectNotBink();

  BikSpec two = Clip(1234, 150000, 640, 480, 100000, 3337, 44100);
  two.signature = "KB2", two.version = 'j', two.extraField = true, two.frameBytes = 10;
  two.tracks.push_back({22050, 0, 900, 5});
  const fs::path file2 = AddBik(L"видео\\второй.bk2", two);
  Browse(file2);
  PickFromMenu(0);
  const std::wstring copied = TakeClipboardText();
  for (const std::wstring& row : std::vector<std::wstring>{
           L"KB2j    640x480", L"  целый        " + file2.wstring() + L"\r\n",
           L"дорожка 1: 44100 Гц, стерео, 16 бит", L"дорожка 2: 22050 Гц, моно, 8 бит, RDFT, id 5"})
    EXPECT_NE(copied.find(row), std::wstring::npos) << row << L" in " << copied;
  // Ctrl+C from a button copies too; the path box keeps its own copy.
  // Waits for the program's copy without opening the clipboard, which would
  // refuse it to the program meanwhile.
  const DWORD before = GetClipboardSequenceNumber();
  PostMessageW(Main(playButton), WM_CHAR, 3, 1);
  EXPECT_TRUE(WaitUntil([&] { return GetClipboardSequenceNumber() != before; }));
  EXPECT_EQ(TakeClipboardText(), copied);
  PickFromMenu(1);
  const HWND details = WindowWith(pid_, details_ids::factsList);
  EXPECT_EQ(GetWindow(details, GW_OWNER), main_);
  EXPECT_EQ(Text(details), L"Сведения о файле");
  EXPECT_FALSE(IsWindowEnabled(main_));
  // The rows' texts are checked where they are made: here, that every fact is listed.
  EXPECT_EQ(Send(Item(details, details_ids::factsList), LVM_GETITEMCOUNT), 16);
  EXPECT_EQ(
      Text(Item(details, details_ids::peakRateValue)) + L" " + Text(Item(details, details_ids::peakTimeValue)),
      L"2,4 кбит/с с 0,0 по 1,0 с");
  Key(details, VK_ESCAPE);
  EXPECT_TRUE(Gone(details));
  EXPECT_TRUE(IsWindowEnabled(main_));

  // A file that cannot be read is taken silently, the facts shown kept. A
  // pipe would hold a read forever: it is unreadable, and no file is current,
  // so both menu items are greyed and nothing is copied.
  const wchar_t* pipeName = L"\\\\.\\pipe\\vintrel-e2e";
  const win::UniqueFile pipe(
      CreateNamedPipeW(pipeName, PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr));
  DropShown({pipeName});
  EXPECT_FALSE(WindowOf(pid_, IsBox));
  ExpectPanel(pipeName, L"KB2 Цвет 150000 480 640 1234 30 2 16 44100 ", true);
  PickFromMenu(0);
  EXPECT_EQ(TakeClipboardText(), L"");

  // A drop: the first file is shown, and counts as chosen.
  const fs::path first = AddBik(L"перетащить\\first one.bik", kColour);
  const fs::path second = AddBik(L"перетащить\\second.bik");
  // What the shell needs to let a file be dropped at all.
  EXPECT_TRUE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  DropShown({first.wstring(), second.wstring()});
  ExpectPanel(first, kColourPanel, true);
  Browse(L"second.bik");  // a dropped file counts as chosen: the dialog starts there
  EXPECT_EQ(Text(Main(filePathBox)), second.wstring());

  // A path longer than 260 characters (Wine 8's open dialog cannot take it) is shown and played.
  const std::wstring d60(60, L'д'), path = root_.wstring() + L"\\" + d60 + L"0\\" + d60 + L"1\\" +
                                           d60 + L"2\\" + d60 + L"3\\long name.bik";
  fs::create_directories(fs::path(L"\\\\?\\" + path).parent_path());
  ASSERT_TRUE(WriteFile(L"\\\\?\\" + path, BikBytes(kColour)));
  DropShown({path});
  ExpectPanel(path, kColourPanel, true);
  Click(Main(playButton));
  EXPECT_EQ(Plays(1)[0], PlayerArgs(path));

  // Dragged in from another program, none of the program's windows active:
  // the box still holds the main window, and a drop under it is not taken.
  const win::UniqueWindow other(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                                WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                                nullptr, nullptr, nullptr));
  SetForegroundWindow(other.get());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.get(); }));
  Drop({Add(L"readme.txt", "plain text").wstring()});
  WaitBox(pid_);
  Drop({first.wstring()});
  ExpectNotBink();
  EXPECT_TRUE(IsWindowEnabled(main_));
  Start(L"\"" + path + L"\"", false);
  EXPECT_EQ(Plays(2)[1], PlayerArgs(path)) << "the long path from the command line";
}

}  // namespace vintrel::e2e
