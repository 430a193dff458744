// "Обзор" and drag and drop as a user meets them: the real open dialog, the
// two information frames, the message for a file that is not Bink video, and
// the folder the dialog starts in.
#include <gtest/gtest.h>

#include <map>

#include "res/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "panel_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;
namespace fs = std::filesystem;

constexpr int kFilterCombo = 0x470;  // cmb1 of the open dialog

// The "Звук" frame and its labels.
constexpr int kAudioGroup[] = {ids::Frame2,    ids::Label(3),  ids::Label(12),
                               ids::Label(10), ids::Label(9),  ids::Label(11),
                               ids::Label(16), ids::Label(13), ids::Label(17)};

using Panel = std::map<int, std::wstring>;  // value label number -> text

// Every field distinct and above 16 bits where it can be, so a field read
// from the wrong offset or with the wrong weights shows.
BikSpec ColourWithAudio() {
  BikSpec spec;
  spec.frameCount = 1234;
  spec.maxFrameSize = 150000;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 100000;
  spec.fpsDenominator = 3337;
  spec.tracks = {{48000, kBikStereo | kBikSixteenBit, 4096}};
  return spec;
}
const Panel kColourWithAudio = {{1, L"BIK"}, {2, L"Цвет"},  {15, L"150000"}, {4, L"480"},
                                {5, L"640"}, {6, L"1234"},  {7, L"30"},      {11, L"2"},
                                {12, L"16"}, {13, L"48000"}};

BikSpec GrayMono() {
  BikSpec spec;
  spec.frameCount = 77;
  spec.maxFrameSize = 900;
  spec.width = 320;
  spec.height = 200;
  spec.fpsNumerator = 25;
  spec.fpsDenominator = 1;
  spec.videoFlags = kBikGrayVideo;
  spec.tracks = {{22050, 0, 512}};
  return spec;
}
const Panel kGrayMono = {{1, L"BIK"}, {2, L"Серый"}, {15, L"900"}, {4, L"200"}, {5, L"320"},
                         {6, L"77"},  {7, L"25"},    {11, L"1"},   {12, L"8"},  {13, L"22050"}};

// A panel with the audio values replaced.
Panel WithAudio(Panel panel, const wchar_t* channels, const wchar_t* bits, const wchar_t* rate) {
  panel[11] = channels;
  panel[12] = bits;
  panel[13] = rate;
  return panel;
}
// What the panel shows after a file that is not Bink video.
const Panel kZeros = WithAudio(
    {{1, L""}, {2, L""}, {15, L"0"}, {4, L"0"}, {5, L"0"}, {6, L"0"}, {7, L"0"}}, L"0", L"0", L"0");

std::string Describe(const Panel& panel) {
  std::string text;
  for (const auto& [number, value] : panel) {
    text += " Label" + std::to_string(number) + "=\"" + ToUtf8(value) + "\"";
  }
  return text;
}

class FilePanelTest : public E2eTest {
 protected:
  void Start() {
    app_ = &StartApp();
    main_ = app_->WaitForMainWindow();
  }

  std::wstring CurrentFile() const { return Text(Control(main_, ids::bikfile)); }
  HWND OpenDialog() const { return OpenBrowseDialog(app_->Pid(), main_); }
  void Browse(const fs::path& file) const { BrowseFile(app_->Pid(), main_, file); }
  bool AnyMessageBox() const { return FindMessageBox(app_->Pid()).has_value(); }

  // The file in bikfile, the labels' texts, and the audio group enabled or not.
  void ExpectPanel(const std::wstring& file, const Panel& expected, bool audio) const {
    EXPECT_EQ(CurrentFile(), file);
    Panel shown;
    for (const auto& [number, text] : expected)
      shown[number] = Text(Control(main_, ids::Label(number)));
    EXPECT_EQ(shown, expected) << "shown:" << Describe(shown)
                               << "\nexpected:" << Describe(expected);
    for (int id : kAudioGroup) EXPECT_EQ(IsEnabled(Control(main_, id)), audio) << id;
  }

  // The box for a file that is not Bink video, with the program's icon (icon
  // handles are the program's own, so the box shows it exactly when its icon
  // control holds the handle PicBullsEye holds), keeping the user from the
  // main window.
  void ExpectNotBinkBox(const MessageBoxInfo& box) const {
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_EQ(box.text, L"Файл не является правильным файлом Bink видео.");
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_TRUE(box.hasIcon);
    HICON program = StaticIcon(Control(main_, ids::PicBullsEye));
    EXPECT_TRUE(program &&
                WaitUntil([&] { return StaticIcon(box.iconControl) == program; }, Millis{2000}));
    EXPECT_FALSE(ShowsSystemStopIcon(box));
    EXPECT_FALSE(IsEnabled(main_)) << "no second browse or drop may start under the box";
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

TEST_F(FilePanelTest, AudioGroupFollowsTheFilesTrack) {
  const fs::path withAudio = Folder().AddFile(L"clip.bik", BikBytes(ColourWithAudio()));
  BikSpec silent = ColourWithAudio();
  silent.tracks.clear();
  const fs::path silentFile = Folder().AddFile(L"silent.bik", BikBytes(silent));
  Start();

  Browse(withAudio);
  ExpectPanel(withAudio.wstring(), kColourWithAudio, true);

  // No track: the group greys out, Label12 with it, yet shows the zeros read.
  Browse(silentFile);
  ExpectPanel(silentFile.wstring(), WithAudio(kColourWithAudio, L"0", L"0", L"0"), false);
  EXPECT_FALSE(AnyMessageBox());
}

TEST_F(FilePanelTest, FileThatIsNotBinkIsReportedAndClearsThePanelUntilAGoodOne) {
  const fs::path valid = Folder().AddFile(L"clip.bik", BikBytes(ColourWithAudio()));
  const fs::path text = Folder().AddFile(L"notes.txt", "Just some notes, not a video at all.\r\n");
  const fs::path empty = Folder().AddFile(L"empty.bik", "");
  const fs::path gray =
      Folder().AddFile(L"мои видео\\папка с пробелами\\клип № 1.bik", BikBytes(GrayMono()));
  Start();

  // A text file chosen under "Возможные модификации (*.*)", and an empty
  // file, each after a good one.
  for (const fs::path& bad : {text, empty}) {
    SCOPED_TRACE(ToUtf8(bad.filename().wstring()));
    Browse(valid);
    HWND dialog = OpenDialog();
    if (bad == text)
      ComboSelect(Control(dialog, kFilterCombo), 1);
    ChooseFile(dialog, bad.wstring());
    const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
    ExpectNotBinkBox(box);
    EXPECT_EQ(GetWindow(box.hwnd, GW_OWNER), main_);
    Answer(box, IDOK);
    ASSERT_TRUE(WaitForWindowGone(box.hwnd));
    WaitForDialogHandled(dialog, main_);
    ExpectPanel(L"", kZeros, false);
  }

  // The next good file, under a path with blanks and Cyrillic letters, fills
  // everything again.
  Browse(gray);
  ExpectPanel(gray.wstring(), kGrayMono, true);
}

TEST_F(FilePanelTest, CancelOrAMissingFileLeavesThePanelAsItWas) {
  const fs::path valid = Folder().AddFile(L"clip.bik", BikBytes(ColourWithAudio()));
  Start();
  Browse(valid);

  HWND dialog = OpenDialog();
  HWND filters = Control(dialog, kFilterCombo);
  EXPECT_EQ(ComboItems(filters),
            (std::vector<std::wstring>{L"Обычные bik (*.bik)", L"Возможные модификации (*.*)"}));
  EXPECT_EQ(ComboSelection(filters), 0);
  Cancel(dialog);
  WaitForDialogHandled(dialog, main_);
  EXPECT_FALSE(AnyMessageBox());
  ExpectPanel(valid.wstring(), kColourWithAudio, true);

  // A typed name that does not exist is taken as the current file, silently.
  const fs::path missing = Folder().Root() / L"no such file.bik";
  Browse(missing);
  EXPECT_FALSE(AnyMessageBox());
  ExpectPanel(missing.wstring(), kColourWithAudio, true);
}

TEST_F(FilePanelTest, DroppedFilesShowTheFirst) {
  const fs::path first =
      Folder().AddFile(L"перетащить\\first one.bik", BikBytes(ColourWithAudio()));
  const fs::path second = Folder().AddFile(L"перетащить\\second.bik", BikBytes(GrayMono()));
  Start();

  const auto drop = PostFileDrop(app_->Process(), main_, {first.wstring(), second.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile() == first.wstring(); })) << ToUtf8(CurrentFile());
  Sync(main_);
  ExpectPanel(first.wstring(), kColourWithAudio, true);
}

TEST_F(FilePanelTest, DroppedFileThatIsNotBinkGetsTheSameMessage) {
  const fs::path valid = Folder().AddFile(L"clip.bik", BikBytes(ColourWithAudio()));
  const fs::path text = Folder().AddFile(L"readme.txt", "plain text");
  Start();
  Browse(valid);

  // Dragged in from another program: none of the program's windows is active,
  // yet the box must keep the user from the main window until it is answered.
  const ForegroundWindow fileManager;
  ASSERT_TRUE(WaitUntil([&] { return ActiveWindowOfThread(main_) == nullptr; }));
  const auto drop = PostFileDrop(app_->Process(), main_, {text.wstring()});
  const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
  ExpectNotBinkBox(box);

  // A second drop while the box is up is not taken.
  const auto ignored = PostFileDrop(app_->Process(), main_, {valid.wstring()});
  EXPECT_FALSE(WaitUntil([&] { return CurrentFile() != text.wstring(); }, Millis{1000}))
      << ToUtf8(CurrentFile());
  Answer(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box.hwnd));
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile().empty(); }));
  Sync(main_);
  ExpectPanel(L"", kZeros, false);
  EXPECT_TRUE(IsEnabled(main_));
}

TEST_F(FilePanelTest, DialogReopensInTheFolderOfTheLastFile) {
  const fs::path inA = Folder().AddFile(L"папка A\\a.bik", BikBytes(ColourWithAudio()));
  const fs::path inB = Folder().AddFile(L"папка B\\b.bik", BikBytes(GrayMono()));
  Start();
  // Opens the dialog, says whether it shows `folder`, and closes it.
  std::wstring shown;
  const auto opensIn = [&](const fs::path& folder) {
    HWND dialog = OpenDialog();
    shown = OpenDialogFolder(app_->Process(), dialog);
    Cancel(dialog);
    WaitForDialogHandled(dialog, main_);
    return CompareStringOrdinal(shown.c_str(), -1, folder.c_str(), -1, TRUE) == CSTR_EQUAL;
  };

  ASSERT_FALSE(opensIn(inA.parent_path()))
      << "the first dialog must not start where the test expects the second one";
  Browse(inA);
  ExpectPanel(inA.wstring(), kColourWithAudio, true);
  EXPECT_TRUE(opensIn(inA.parent_path())) << ToUtf8(shown);

  // A dropped file counts as chosen.
  const auto drop = PostFileDrop(app_->Process(), main_, {inB.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile() == inB.wstring(); }));
  EXPECT_TRUE(opensIn(inB.parent_path())) << ToUtf8(shown);
}

}  // namespace
}  // namespace vintrel::e2e
