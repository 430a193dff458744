// "Обзор" and drag and drop as a user meets them: the real open dialog, the
// two information frames, the message for a file that is not Bink video, and
// the folder the dialog starts in.
#include <gtest/gtest.h>

#include <map>

#include "app/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "panel_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;
namespace fs = std::filesystem;

constexpr wchar_t kDialogTitle[] = L"Откроем файл для просмотра...";
constexpr int kFilterCombo = 0x470;  // cmb1 of the open dialog

// The "Звук" frame and its labels; Label12 starts enabled, the others not.
constexpr int kAudioGroup[] = {ids::Frame2,    ids::Label(3),  ids::Label(12),
                               ids::Label(10), ids::Label(9),  ids::Label(11),
                               ids::Label(16), ids::Label(13), ids::Label(17)};
// Every value label, by number.
constexpr int kValueLabels[] = {1, 2, 15, 4, 5, 6, 7, 11, 12, 13};

using Panel = std::map<int, std::wstring>;  // label number -> text

std::string Bytes(const BikSpec& spec) {
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

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

BikSpec Silent() {
  BikSpec spec = ColourWithAudio();
  spec.tracks.clear();
  return spec;
}
const Panel kSilent = {{1, L"BIK"},  {2, L"Цвет"}, {15, L"150000"}, {4, L"480"}, {5, L"640"},
                       {6, L"1234"}, {7, L"30"},   {11, L"0"},      {12, L"0"},  {13, L"0"}};

// What the panel shows after a file that is not Bink video.
const Panel kZeros = {{1, L""},  {2, L""},  {15, L"0"}, {4, L"0"},  {5, L"0"},
                      {6, L"0"}, {7, L"0"}, {11, L"0"}, {12, L"0"}, {13, L"0"}};

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

  Panel Labels() const {
    Panel panel;
    for (int n : kValueLabels) panel[n] = Text(Control(main_, ids::Label(n)));
    return panel;
  }

  // Enabled state of the audio group, one entry per control.
  std::vector<bool> AudioStates() const {
    std::vector<bool> states;
    for (int id : kAudioGroup) states.push_back(IsEnabled(Control(main_, id)));
    return states;
  }
  static std::vector<bool> AllAudio(bool enabled) {
    return std::vector<bool>(std::size(kAudioGroup), enabled);
  }

  HWND OpenDialog() {
    Click(Control(main_, ids::cmdAddFile));
    return WaitForOpenDialog(app_->Pid(), kDialogTitle);
  }

  // Waits for the program to finish what the last input started: the dialog
  // is gone, and a message sent now is handled only once the click handler
  // has returned (or a message box of its own is pumping).
  void Settle(HWND dialog) {
    ASSERT_TRUE(WaitForWindowGone(dialog));
    Sync();
  }
  void Sync() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
  }

  // Chooses a file in the real dialog and waits for the panel to settle.
  void Browse(const fs::path& file) {
    HWND dialog = OpenDialog();
    ChooseFile(dialog, file.wstring());
    Settle(dialog);
  }

  // Icon handles are the program's own, so the box shows the program's icon
  // exactly when its icon control holds the handle PicBullsEye holds.
  bool ShowsProgramIcon(const MessageBoxInfo& box) const {
    HICON program = StaticIcon(Control(main_, ids::PicBullsEye));
    return program &&
           WaitUntil([&] { return StaticIcon(box.iconControl) == program; }, Millis{2000});
  }

  void ExpectPanel(const Panel& expected, bool audio) {
    const Panel shown = Labels();
    EXPECT_EQ(shown, expected) << "shown:" << Describe(shown)
                               << "\nexpected:" << Describe(expected);
    EXPECT_EQ(AudioStates(), AllAudio(audio));
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

TEST_F(FilePanelTest, AudioGroupFollowsTheFilesTrack) {
  const fs::path withAudio = Folder().AddFile(L"clip.bik", Bytes(ColourWithAudio()));
  const fs::path silent = Folder().AddFile(L"silent.bik", Bytes(Silent()));
  Start();

  Browse(withAudio);
  EXPECT_EQ(CurrentFile(), withAudio.wstring());
  ExpectPanel(kColourWithAudio, true);

  // No track: the group greys out, Label12 with it, yet shows the zeros read.
  Browse(silent);
  EXPECT_EQ(CurrentFile(), silent.wstring());
  ExpectPanel(kSilent, false);
  EXPECT_FALSE(FindMessageBox(app_->Pid()).has_value());
}

TEST_F(FilePanelTest, FileThatIsNotBinkIsReportedAndClearsThePanel) {
  const fs::path valid = Folder().AddFile(L"clip.bik", Bytes(ColourWithAudio()));
  const fs::path text = Folder().AddFile(L"notes.txt", "Just some notes, not a video at all.\r\n");
  const fs::path gray = Folder().AddFile(L"gray.bik", Bytes(GrayMono()));
  Start();
  Browse(valid);

  HWND dialog = OpenDialog();
  ComboSelect(Control(dialog, kFilterCombo), 1);
  ChooseFile(dialog, text.wstring());
  const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_EQ(box.text, L"Файл не является правильным файлом Bink видео.");
  EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
  EXPECT_TRUE(box.hasIcon);
  EXPECT_TRUE(ShowsProgramIcon(box));
  EXPECT_FALSE(ShowsSystemStopIcon(box));
  // Modal to the main window: no second browse can start under it.
  EXPECT_EQ(GetWindow(box.hwnd, GW_OWNER), main_);
  EXPECT_FALSE(IsEnabled(main_));
  Answer(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box.hwnd));
  Settle(dialog);

  EXPECT_EQ(CurrentFile(), L"");
  ExpectPanel(kZeros, false);

  // The next good file fills everything again.
  Browse(gray);
  EXPECT_EQ(CurrentFile(), gray.wstring());
  ExpectPanel(kGrayMono, true);
}

TEST_F(FilePanelTest, CancelOrAMissingFileLeavesThePanelAsItWas) {
  const fs::path valid = Folder().AddFile(L"clip.bik", Bytes(ColourWithAudio()));
  Start();
  Browse(valid);
  ExpectPanel(kColourWithAudio, true);

  HWND dialog = OpenDialog();
  HWND filters = Control(dialog, kFilterCombo);
  EXPECT_EQ(ComboItems(filters),
            (std::vector<std::wstring>{L"Обычные bik (*.bik)", L"Возможные модификации (*.*)"}));
  EXPECT_EQ(ComboSelection(filters), 0);
  Cancel(dialog);
  Settle(dialog);
  EXPECT_FALSE(FindMessageBox(app_->Pid()).has_value());
  EXPECT_EQ(CurrentFile(), valid.wstring());
  ExpectPanel(kColourWithAudio, true);

  // A typed name that does not exist is taken as the current file, silently.
  const fs::path missing = Folder().Root() / L"no such file.bik";
  Browse(missing);
  EXPECT_FALSE(FindMessageBox(app_->Pid()).has_value());
  EXPECT_EQ(CurrentFile(), missing.wstring());
  ExpectPanel(kColourWithAudio, true);
}

TEST_F(FilePanelTest, PathWithBlanksAndCyrillicLetters) {
  const fs::path file =
      Folder().AddFile(L"мои видео\\папка с пробелами\\клип № 1.bik", Bytes(GrayMono()));
  Start();
  Browse(file);
  EXPECT_EQ(CurrentFile(), file.wstring());
  ExpectPanel(kGrayMono, true);
}

TEST_F(FilePanelTest, DroppedFilesShowTheFirst) {
  const fs::path first = Folder().AddFile(L"перетащить\\first one.bik", Bytes(ColourWithAudio()));
  const fs::path second = Folder().AddFile(L"перетащить\\second.bik", Bytes(GrayMono()));
  Start();

  const auto drop = PostFileDrop(app_->Process(), main_, {first.wstring(), second.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile() == first.wstring(); })) << ToUtf8(CurrentFile());
  Sync();
  ExpectPanel(kColourWithAudio, true);
}

TEST_F(FilePanelTest, DroppedFileThatIsNotBinkGetsTheSameMessage) {
  const fs::path valid = Folder().AddFile(L"clip.bik", Bytes(ColourWithAudio()));
  const fs::path text = Folder().AddFile(L"readme.txt", "plain text");
  Start();
  Browse(valid);

  // Dragged in from another program: none of the program's windows is active,
  // yet the box must keep the user from the main window until it is answered.
  const ForegroundWindow fileManager;
  ASSERT_TRUE(WaitUntil([&] { return ActiveWindowOfThread(main_) == nullptr; }));
  const auto drop = PostFileDrop(app_->Process(), main_, {text.wstring()});
  const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_EQ(box.text, L"Файл не является правильным файлом Bink видео.");
  EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
  EXPECT_TRUE(ShowsProgramIcon(box));
  EXPECT_FALSE(IsEnabled(main_));

  // A second drop while the box is up is not taken.
  const auto ignored = PostFileDrop(app_->Process(), main_, {valid.wstring()});
  EXPECT_FALSE(WaitUntil([&] { return CurrentFile() != text.wstring(); }, Millis{1000}))
      << ToUtf8(CurrentFile());
  Answer(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box.hwnd));
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile().empty(); }));
  Sync();
  ExpectPanel(kZeros, false);
  EXPECT_TRUE(IsEnabled(main_));
}

TEST_F(FilePanelTest, DialogReopensInTheFolderOfTheLastFile) {
  const fs::path inA = Folder().AddFile(L"папка A\\a.bik", Bytes(ColourWithAudio()));
  const fs::path inB = Folder().AddFile(L"папка B\\b.bik", Bytes(GrayMono()));
  const auto sameFolder = [](const std::wstring& shown, const fs::path& folder) {
    return CompareStringOrdinal(shown.c_str(), -1, folder.wstring().c_str(), -1, TRUE) ==
           CSTR_EQUAL;
  };
  Start();

  HWND dialog = OpenDialog();
  ASSERT_FALSE(sameFolder(OpenDialogFolder(app_->Process(), dialog), inA.parent_path()))
      << "the first dialog must not start where the test expects the second one";
  ChooseFile(dialog, inA.wstring());
  Settle(dialog);
  ExpectPanel(kColourWithAudio, true);

  dialog = OpenDialog();
  const std::wstring reopened = OpenDialogFolder(app_->Process(), dialog);
  EXPECT_TRUE(sameFolder(reopened, inA.parent_path())) << ToUtf8(reopened);
  Cancel(dialog);
  Settle(dialog);

  // A dropped file counts as chosen.
  const auto drop = PostFileDrop(app_->Process(), main_, {inB.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return CurrentFile() == inB.wstring(); }));
  dialog = OpenDialog();
  const std::wstring afterDrop = OpenDialogFolder(app_->Process(), dialog);
  EXPECT_TRUE(sameFolder(afterDrop, inB.parent_path())) << ToUtf8(afterDrop);
  Cancel(dialog);
  Settle(dialog);
}

}  // namespace
}  // namespace vintrel::e2e
