// "Обзор" and a drop as a user meets them: the real open dialog, the two
// information frames, and the message for a file that is not Bink video.
#include <map>

#include "driver.h"

namespace vintrel::e2e {
namespace {

using namespace main_ids;
using Panel = std::map<int, std::wstring>;  // value label number -> text

// Every field distinct and above 16 bits where it can be, so a field read
// from the wrong place or with the wrong weights shows.
const BikSpec kColour = Clip(1234, 150000, 640, 480, 100000, 3337, 48000);
const Panel kColourPanel = {{1, L"BIK"}, {2, L"Цвет"},  {15, L"150000"}, {4, L"480"},
                            {5, L"640"}, {6, L"1234"},  {7, L"30"},      {11, L"2"},
                            {12, L"16"}, {13, L"48000"}};
const BikSpec kGray = Clip(77, 900, 320, 200, 25, 1, 22050, 0, kBikGrayVideo);
const Panel kGrayPanel = {{1, L"BIK"}, {2, L"Серый"}, {15, L"900"}, {4, L"200"}, {5, L"320"},
                          {6, L"77"},  {7, L"25"},    {11, L"1"},   {12, L"8"},  {13, L"22050"}};
Panel Silent(Panel panel) {
  panel[11] = panel[12] = panel[13] = L"0";
  return panel;
}
const Panel kCleared =
    Silent({{1, L""}, {2, L""}, {15, L"0"}, {4, L"0"}, {5, L"0"}, {6, L"0"}, {7, L"0"}});

class Files : public E2e {
 protected:
  // The file shown, the labels' texts and the "Звук" frame enabled or not.
  void ExpectPanel(const fs::path& file, const Panel& expected, bool audio) const {
    EXPECT_EQ(Text(Main(bikfile)), file.wstring());
    Panel shown;
    for (const auto& [number, text] : expected) shown[number] = Text(Main(Label(number)));
    EXPECT_EQ(shown, expected);
    for (int id : {+Frame2, Label(3), Label(12), Label(10), Label(9), Label(11), Label(16),
                   Label(13), Label(17)})
      EXPECT_EQ(Enabled(Main(id)), audio) << id;
  }
  // The box for a file that is not Bink video: the program's icon, and the
  // main window out of reach until it is answered. Then the panel is clear.
  void ExpectNotBink() const {
    const Box box = WaitBox(pid_);
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_EQ(box.text, L"Файл не является правильным файлом Bink видео.");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    ASSERT_TRUE(box.icon);
    EXPECT_TRUE(WaitUntil([&] { return IconOf(box.icon) == IconOf(Main(PicBullsEye)); }, 2000));
    EXPECT_FALSE(Enabled(main_));
    Answer(box);
    Sync(main_);
    ExpectPanel(L"", kCleared, false);
  }
};

TEST_F(Files, PanelShowsTheHeaderAndTheDialogStartsInTheLastFilesFolder) {
  const fs::path colour = AddBik(L"папка A\\clip.bik", kColour);
  BikSpec silentSpec = kColour;
  silentSpec.tracks.clear();
  const fs::path silent = AddBik(L"папка A\\silent.bik", silentSpec);
  const fs::path gray = AddBik(L"мои видео\\папка с пробелами\\клип № 1.bik", kGray);
  Start();

  Browse(colour);
  ExpectPanel(colour, kColourPanel, true);
  // A bare name is looked for where the dialog starts: in the last file's folder.
  Browse(L"silent.bik");
  ExpectPanel(silent, Silent(kColourPanel), false);
  Browse(gray);
  ExpectPanel(gray, kGrayPanel, true);

  // Cancel, or a name that does not exist, keeps what is shown; no message.
  Click(Main(cmdAddFile));
  HWND dialog = OpenDialog(pid_);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(Gone(dialog));
  Sync(main_);
  ExpectPanel(gray, kGrayPanel, true);
  const fs::path missing = root_ / L"no such file.bik";
  Browse(missing);
  EXPECT_FALSE(FindBox(pid_));
  ExpectPanel(missing, kGrayPanel, true);
}

TEST_F(Files, FileThatIsNotBinkIsReportedAndClearsThePanel) {
  const fs::path valid = AddBik(L"clip.bik", kColour);
  const fs::path text = Add(L"notes.txt", "Just some notes, not a video at all.\r\n");
  const fs::path empty = Add(L"empty.bik", "");
  Start();
  Browse(valid);
  Click(Main(cmdAddFile));
  HWND dialog = OpenDialog(pid_);
  HWND types = Item(dialog, kFileTypes);
  EXPECT_EQ(Items(types),
            (std::vector<std::wstring>{L"Обычные bik (*.bik)", L"Возможные модификации (*.*)",
                                       L"Bink 2 (*.bk2)"}));
  EXPECT_EQ(Send(types, CB_GETCURSEL), 0);
  Select(types, 1);
  Choose(dialog, text);
  EXPECT_EQ(GetWindow(WaitBox(pid_).hwnd, GW_OWNER), main_);
  ExpectNotBink();

  Browse(valid);
  Browse(empty);
  ExpectNotBink();
  Browse(valid);
  ExpectPanel(valid, kColourPanel, true);
}

TEST_F(Files, DropShowsTheFirstFileAndADroppedTextFileIsReported) {
  const fs::path first = AddBik(L"перетащить\\first one.bik", kColour);
  const fs::path second = AddBik(L"перетащить\\second.bik", kGray);
  const fs::path text = Add(L"readme.txt", "plain text");
  Start();
  // What the shell needs to let a file be dropped at all.
  EXPECT_TRUE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  Drop({first.wstring(), second.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return Text(Main(bikfile)) == first.wstring(); }));
  Sync(main_);
  ExpectPanel(first, kColourPanel, true);
  Browse(L"second.bik");  // a dropped file counts as chosen: the dialog starts there
  ExpectPanel(second, kGrayPanel, true);

  // Dragged in from another program, none of the program's windows active:
  // the box still holds the main window, and a drop under it is not taken.
  const ui::UniqueWindow other(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE,
                                               0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
  SetForegroundWindow(other.get());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.get(); }));
  Drop({text.wstring()});
  WaitBox(pid_);
  Drop({first.wstring()});
  ExpectNotBink();
  EXPECT_TRUE(Enabled(main_));
}

}  // namespace
}  // namespace vintrel::e2e
