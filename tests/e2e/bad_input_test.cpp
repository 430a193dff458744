// Input a careful user never gives and a real machine still produces: locked,
// oddly named and over-long files, folders where files belong, and settings
// files that are broken, odd or read-only. In every case the program must go
// on working, show what it should, and keep what was stored before. (An empty
// file is among the panel's tests, a .bik key another program owns among the
// association's.)
#include <gtest/gtest.h>

#include "res/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "panel_driver.h"
#include "res/settings_dialog_ids.h"
#include "settings_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;
namespace fs = std::filesystem;

constexpr wchar_t kRecovered[] = L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";

std::string Bytes(uint32_t frames, uint16_t sampleRate) {
  BikSpec spec;
  spec.frameCount = frames;
  spec.maxFrameSize = 4000;
  spec.width = 320;
  spec.height = 240;
  spec.fpsNumerator = 25;
  spec.fpsDenominator = 1;
  spec.tracks = {{sampleRate, kBikStereo | kBikSixteenBit, 512}};
  return BikBytes(spec);
}

// Frame count and sample rate: enough to tell two files' panels apart.
struct Shown {
  std::wstring file, frames, sampleRate;
  bool operator==(const Shown&) const = default;
};
void PrintTo(const Shown& s, std::ostream* out) {
  *out << "{bikfile=\"" << ToUtf8(s.file) << "\", frames=" << ToUtf8(s.frames)
       << ", rate=" << ToUtf8(s.sampleRate) << "}";
}

// The settings file made read-only for as long as this lives. Wine run as
// root would write it anyway (root ignores the permission bits that stand
// for the attribute), so a handle that denies others write access makes the
// refusal real there too. The attribute is lifted again, so that the next
// case can delete the file.
class RefusingIni {
 public:
  RefusingIni() {
    if (!SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_READONLY))
      throw Failure("cannot make vintrel.ini read-only");
    holder_.reset(CreateFileW(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!holder_)
      throw Failure("cannot hold vintrel.ini open");
  }
  ~RefusingIni() {
    holder_.reset();
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  RefusingIni(const RefusingIni&) = delete;
  RefusingIni& operator=(const RefusingIni&) = delete;

 private:
  UniqueFile holder_;
};

class BadInputTest : public E2eTest {
 protected:
  void Start(std::string_view ini = kValidIni) {
    WriteIniBytes(ini);
    Launch();
  }
  void Launch() {
    app_ = &StartApp();
    main_ = app_->WaitForMainWindow();
  }

  // Starts on `ini`, which must load cleanly, and opens the settings window.
  HWND StartAndOpenSettings(std::string_view ini) {
    Start(ini);
    EXPECT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());
    return OpenSettingsWindow(app_->Pid(), main_);
  }

  // Checks the box `key`, finds it stored, presses "OK" and ends the program.
  void CheckBoxAndClose(HWND settings, int id, const std::wstring& key) {
    Click(Control(settings, id));
    ASSERT_TRUE(WaitForIniValue(key, L"1"));
    ClickSync(Control(settings, settings_ids::Command2));
    CloseProgram();
  }

  std::wstring Status() const { return StatusText(Control(main_, ids::Status)); }
  bool WaitForStatus(std::wstring_view text) const {
    return WaitUntil([&] { return Status() == text; });
  }

  Shown Panel() const {
    return {Text(Control(main_, ids::bikfile)), Text(Control(main_, ids::Label(6))),
            Text(Control(main_, ids::Label(13)))};
  }

  void Browse(const fs::path& file) const { BrowseFile(app_->Pid(), main_, file); }

  void BrowseGood(const fs::path& file, uint32_t frames, uint16_t rate) const {
    Browse(file);
    EXPECT_EQ(Panel(), (Shown{file.wstring(), std::to_wstring(frames), std::to_wstring(rate)}));
  }

  void ExpectNoMessageBox() const {
    Sync(main_);
    EXPECT_FALSE(FindMessageBox(app_->Pid()).has_value());
  }

  // The program still answers: a play of what it shows reaches the player.
  PlayerRecord PlayShownFile() const {
    const size_t before = Folder().PlayerRecords().size();
    Click(Control(main_, ids::Command1));
    return Folder().WaitForPlayerRecords(before + 1).back();
  }

  // A play of what the program shows, and then a new start with the path on
  // the command line as the shell passes it, both give the player `path`.
  void ExpectPlayedHereAndFromTheCommandLine(const std::wstring& path) {
    const PlayerRecord here = PlayShownFile();
    const size_t before = Folder().PlayerRecords().size();
    StartApp(L"\"" + path + L"\"");
    const PlayerRecord started = Folder().WaitForPlayerRecords(before + 1).back();
    for (const PlayerRecord& record : {here, started}) {
      ASSERT_GE(record.args.size(), 2u) << ToUtf8(record.commandLine);
      EXPECT_EQ(record.args[1], path);
    }
  }

  void CloseProgram() const {
    PostClose(main_);
    ASSERT_TRUE(app_->WaitForExit().has_value()) << "the program did not end";
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

// ---- files -------------------------------------------------------------------

TEST_F(BadInputTest, FolderTypedIntoTheDialogOrDroppedShowsNothingAndBreaksNothing) {
  const fs::path good = Folder().AddFile(L"good.bik", Bytes(222, 44100));
  const fs::path folder = Folder().Root() / L"a folder.bik";
  fs::create_directories(folder);
  Start();
  BrowseGood(good, 222, 44100);

  // The dialog takes a folder's name as a place to go, as on Windows.
  HWND dialog = OpenBrowseDialog(app_->Pid(), main_);
  ChooseFile(dialog, folder.wstring());
  ASSERT_TRUE(WaitUntil([&] {
    return CompareStringOrdinal(OpenDialogFolder(app_->Process(), dialog).c_str(), -1,
                                folder.c_str(), -1, TRUE) == CSTR_EQUAL;
  })) << ToUtf8(OpenDialogFolder(app_->Process(), dialog));
  EXPECT_TRUE(IsWindow(dialog));
  Cancel(dialog);
  WaitForDialogHandled(dialog, main_);
  ExpectNoMessageBox();
  EXPECT_EQ(Panel(), (Shown{good.wstring(), L"222", L"44100"}));

  // Dropped, a folder is a name that cannot be read: taken, silently.
  const auto drop = PostFileDrop(app_->Process(), main_, {folder.wstring()});
  ASSERT_TRUE(WaitUntil([&] { return Panel().file == folder.wstring(); }));
  ExpectNoMessageBox();
  EXPECT_EQ(Panel(), (Shown{folder.wstring(), L"222", L"44100"}));

  BrowseGood(good, 222, 44100);
}

// Longer than MAX_PATH: made with the \\?\ prefix, as deep folders or a copy
// from another system make them. The open dialog is left out: Wine 8's own
// dialog code copies a typed name of that length into a MAX_PATH buffer on
// its stack and crashes before the program gets the name back.
TEST_F(BadInputTest, PathLongerThan260CharactersIsShownAndPlayed) {
  std::wstring path = Folder().Root().wstring();
  for (int depth = 0; depth < 4; ++depth) {
    path += L"\\" + std::wstring(60, L'д') + std::to_wstring(depth);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }
  path += L"\\long name.bik";
  ASSERT_GT(path.size(), 260u);
  WriteBytes(L"\\\\?\\" + path, Bytes(333, 11025));
  Start();

  const auto drop = PostFileDrop(app_->Process(), main_, {path});
  ASSERT_TRUE(WaitUntil([&] { return Panel().file == path; }));
  ExpectNoMessageBox();
  EXPECT_EQ(Panel(), (Shown{path, L"333", L"11025"}));
  ExpectPlayedHereAndFromTheCommandLine(path);
}

TEST_F(BadInputTest, NameWithBlanksCyrillicLettersAndAnApostrophe) {
  const fs::path file =
      Folder().AddFile(L"д'Артаньян и я\\клип 'ночь' it's.bik", Bytes(444, 48000));
  Start();
  BrowseGood(file, 444, 48000);
  ExpectPlayedHereAndFromTheCommandLine(file.wstring());
}

TEST_F(BadInputTest, FileHeldOpenWithoutSharingIsTakenSilentlyAndReadOnceFree) {
  const fs::path good = Folder().AddFile(L"good.bik", Bytes(555, 22050));
  const fs::path locked = Folder().AddFile(L"locked.bik", Bytes(666, 44100));
  Start();
  BrowseGood(good, 555, 22050);

  {
    const UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    Browse(locked);
    ExpectNoMessageBox();
    EXPECT_EQ(Panel(), (Shown{locked.wstring(), L"555", L"22050"}));
  }
  BrowseGood(locked, 666, 44100);
}

// ---- settings file -------------------------------------------------------------

TEST_F(BadInputTest, ValuesOf300CharactersNeitherCrashNorSpillIntoOtherKeys) {
  const std::string longText(300, 'x');
  const std::string others = "note=" + longText + "\r\n[other]\r\nkeep=" + longText + "\r\n";
  std::string ini = std::string(kValidIni) + others;
  ini.replace(ini.find("fe=max"), 6, "fe=" + longText);
  HWND settings = StartAndOpenSettings(ini);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"Авто");
  ClickSync(Control(settings, settings_ids::Command2));
  ASSERT_TRUE(WaitForWindowGone(settings));
  CloseProgram();
  // The frame rate is stored from its list at the close; nothing else changes.
  ini.replace(ini.find("fe=" + longText), 3 + longText.size(), "fe=auto");
  EXPECT_EQ(ReadIniBytes(), ini);

  // Read cut to 254 digits, a long number is still too large: reported, and
  // the file left exactly as it was.
  const std::string tooLarge = "[main]\r\nre=" + std::string(300, '1') + "\r\n" + others;
  Start(tooLarge);
  ASSERT_TRUE(WaitForStatus(L"6  Переполнение")) << ToUtf8(Status());
  CloseProgram();
  EXPECT_EQ(ReadIniBytes(), tooLarge);

  // A long value that is no number at all: the recovery, around the rest.
  Start("[main]\r\nre=" + longText + "\r\n" + others);
  ASSERT_TRUE(WaitForStatus(kRecovered)) << ToUtf8(Status());
  EXPECT_EQ(IniValue(L"re"), L"1");
  const std::string recovered = ReadIniBytes();
  EXPECT_NE(recovered.find("note=" + longText + "\r\n"), std::string::npos);
  EXPECT_NE(recovered.find("[other]\r\nkeep=" + longText + "\r\n"), std::string::npos);
}

TEST_F(BadInputTest, BinaryJunkBeforeTheSectionIsSkipped) {
  std::string junk("\x00\xff\xfe\x01\r[\x80\x81=\x02\n\x7f==\r\n\x00\x00[ma", 22);
  for (int i = 0; i < 200; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  HWND settings = StartAndOpenSettings(junk + "\r\n" + std::string(kValidIni));
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::ie)), BST_CHECKED);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::de1)), L"800x600");
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"Максимум");
  CheckBoxAndClose(settings, settings_ids::ge, L"ge");

  // Every stored option is still there, the changed one changed.
  for (const auto& [key, value] : {std::pair{L"re", L"1"},
                                   {L"ce", L"1"},
                                   {L"ie", L"1"},
                                   {L"ge", L"1"},
                                   {L"de", L"9"},
                                   {L"fe", L"max"}}) {
    EXPECT_EQ(IniValue(key), value) << ToUtf8(key);
  }

  // Junk and nothing else: no setting at all, so the recovery makes them.
  Start(junk);
  ASSERT_TRUE(WaitForStatus(kRecovered)) << ToUtf8(Status());
  EXPECT_EQ(IniValue(L"de"), L"11");
}

TEST_F(BadInputTest, SectionInOtherLetterCaseIsTheSameSection) {
  HWND settings = StartAndOpenSettings(
      "[MAIN]\r\nRE=0\r\nPe=1\r\nce=0\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nDE=9\r\nfe=30.0\r\n");
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::re)), BST_UNCHECKED);
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::pe)), BST_CHECKED);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::de1)), L"800x600");
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"30.0");
  CheckBoxAndClose(settings, settings_ids::re, L"re");

  // One section still, the key changed where it stood.
  const std::string after = ReadIniBytes();
  EXPECT_EQ(after.find('['), after.rfind('[')) << after;
  EXPECT_EQ(IniKeys().size(), 16u);
  EXPECT_EQ(IniValue(L"pe"), L"1");
  EXPECT_EQ(IniValue(L"de"), L"9");
  EXPECT_EQ(IniValue(L"fe"), L"30.0");
}

TEST_F(BadInputTest, DuplicateKeysReadTheFirstAndKeepTheRest) {
  HWND settings =
      StartAndOpenSettings(std::string(kValidIni) + "ge=1\r\nnote=mine\r\nnote=also mine\r\n");
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::ge)), BST_UNCHECKED);
  CheckBoxAndClose(settings, settings_ids::ge, L"ge");

  const std::string after = ReadIniBytes();
  EXPECT_NE(after.find("note=mine\r\nnote=also mine\r\n"), std::string::npos) << after;
  EXPECT_EQ(IniValue(L"de"), L"9");
}

TEST_F(BadInputTest, ReadOnlySettingsFileRefusesWritesSilently) {
  WriteIniBytes(kValidIni);
  const RefusingIni readOnly;
  Launch();
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());

  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  Click(Control(settings, settings_ids::ge));
  ASSERT_TRUE(WaitUntil([&] { return GetCheck(Control(settings, settings_ids::ge)) == 1; }));
  ComboSelect(Control(settings, settings_ids::de1), 0);
  ClickSync(Control(settings, settings_ids::Command2));
  ASSERT_TRUE(WaitForWindowGone(settings));
  ExpectNoMessageBox();

  // Still plays, with what the file says.
  Browse(Folder().AddFile(L"clip.bik", Bytes(777, 22050)));
  const PlayerRecord played = PlayShownFile();
  ExpectNoMessageBox();
  EXPECT_EQ(std::vector<std::wstring>(played.args.begin() + 2, played.args.end()),
            (std::vector<std::wstring>{L"/R", L"/C", L"/I100", L"/D9", L"/F"}));
  CloseProgram();
  EXPECT_EQ(ReadIniBytes(), kValidIni);
}

TEST_F(BadInputTest, ReadOnlyBrokenSettingsFileReportsTheRecoveryAndStaysAsItWas) {
  const std::string_view broken = "[main]\r\nre=yes\r\n";
  WriteIniBytes(broken);
  const RefusingIni readOnly;
  Launch();
  ASSERT_TRUE(WaitForStatus(kRecovered)) << ToUtf8(Status());
  ExpectNoMessageBox();
  CloseProgram();
  EXPECT_EQ(ReadIniBytes(), broken);
}

}  // namespace
}  // namespace vintrel::e2e
