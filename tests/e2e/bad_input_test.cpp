// Input a careful user never gives and a real machine still produces: empty,
// locked, oddly named and over-long files, folders where files belong, and
// settings files that are broken, odd or read-only. In every case the program
// must go on working, show what it should, and keep what was stored before.
#include <gtest/gtest.h>

#include "app/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "panel_driver.h"
#include "settings/settings_dialog_ids.h"
#include "settings_driver.h"
#include "shell_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;
namespace fs = std::filesystem;

constexpr wchar_t kDialogTitle[] = L"Откроем файл для просмотра...";
constexpr wchar_t kNotBink[] = L"Файл не является правильным файлом Bink видео.";
constexpr wchar_t kRecovered[] = L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";

constexpr std::string_view kValidIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=max\r\n";

std::string Bytes(uint32_t frames, uint16_t sampleRate) {
  BikSpec spec;
  spec.frameCount = frames;
  spec.maxFrameSize = 4000;
  spec.width = 320;
  spec.height = 240;
  spec.fpsNumerator = 25;
  spec.fpsDenominator = 1;
  spec.tracks = {{sampleRate, kBikStereo | kBikSixteenBit, 512}};
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
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
    app_ = &StartApp();
    main_ = app_->WaitForMainWindow();
  }

  std::wstring Status() const { return StatusText(Control(main_, ids::Status)); }
  bool WaitForStatus(std::wstring_view text) const {
    return WaitUntil([&] { return Status() == text; });
  }

  Shown Panel() const {
    return {Text(Control(main_, ids::bikfile)), Text(Control(main_, ids::Label(6))),
            Text(Control(main_, ids::Label(13)))};
  }

  // Handled by the program once it has finished whatever was posted before.
  void Sync() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
  }

  HWND OpenDialog() const {
    Click(Control(main_, ids::cmdAddFile));
    return WaitForOpenDialog(app_->Pid(), kDialogTitle);
  }

  // Chooses a path in the real dialog and waits until the program is done.
  void Browse(const std::wstring& path) const {
    HWND dialog = OpenDialog();
    ChooseFile(dialog, path);
    ASSERT_TRUE(WaitForWindowGone(dialog));
    Sync();
  }

  void BrowseGood(const fs::path& file, uint32_t frames, uint16_t rate) const {
    Browse(file.wstring());
    EXPECT_EQ(Panel(), (Shown{file.wstring(), std::to_wstring(frames), std::to_wstring(rate)}));
  }

  void ExpectNoMessageBox() const {
    Sync();
    EXPECT_FALSE(FindMessageBox(app_->Pid()).has_value());
  }

  // The program still answers: a play of what it shows reaches the player.
  PlayerRecord PlayShownFile() const {
    const size_t before = Folder().PlayerRecords().size();
    Click(Control(main_, ids::Command1));
    return Folder().WaitForPlayerRecords(before + 1).back();
  }

  void CloseProgram() const {
    PostClose(main_);
    ASSERT_TRUE(app_->WaitForExit().has_value()) << "the program did not end";
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

// ---- files -------------------------------------------------------------------

TEST_F(BadInputTest, EmptyFileIsNotBinkVideoAndTheNextFileShowsAgain) {
  const fs::path good = Folder().AddFile(L"good.bik", Bytes(111, 22050));
  const fs::path empty = Folder().AddFile(L"empty.bik", "");
  Start();
  BrowseGood(good, 111, 22050);

  HWND dialog = OpenDialog();
  ChooseFile(dialog, empty.wstring());
  const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_EQ(box.text, kNotBink);
  Answer(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box.hwnd));
  Sync();
  EXPECT_EQ(Panel(), (Shown{L"", L"0", L"0"}));
  EXPECT_EQ(Text(Control(main_, ids::Label(1))), L"");

  BrowseGood(good, 111, 22050);
}

TEST_F(BadInputTest, FolderTypedIntoTheDialogOrDroppedShowsNothingAndBreaksNothing) {
  const fs::path good = Folder().AddFile(L"good.bik", Bytes(222, 44100));
  const fs::path folder = Folder().Root() / L"a folder.bik";
  fs::create_directories(folder);
  Start();
  BrowseGood(good, 222, 44100);

  // The dialog takes a folder's name as a place to go, as on Windows.
  HWND dialog = OpenDialog();
  ChooseFile(dialog, folder.wstring());
  ASSERT_TRUE(WaitUntil([&] {
    return CompareStringOrdinal(OpenDialogFolder(app_->Process(), dialog).c_str(), -1,
                                folder.c_str(), -1, TRUE) == CSTR_EQUAL;
  })) << ToUtf8(OpenDialogFolder(app_->Process(), dialog));
  EXPECT_TRUE(IsWindow(dialog));
  Cancel(dialog);
  ASSERT_TRUE(WaitForWindowGone(dialog));
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
  const std::wstring part(60, L'д');
  for (int depth = 0; depth < 4; ++depth) {
    path += L"\\" + part + std::to_wstring(depth);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }
  path += L"\\long name.bik";
  ASSERT_GT(path.size(), 260u);
  {
    const UniqueFile file(CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    const std::string bytes = Bytes(333, 11025);
    DWORD written = 0;
    ASSERT_TRUE(
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  }
  Start();

  const auto drop = PostFileDrop(app_->Process(), main_, {path});
  ASSERT_TRUE(WaitUntil([&] { return Panel().file == path; }));
  Sync();
  ExpectNoMessageBox();
  EXPECT_EQ(Panel(), (Shown{path, L"333", L"11025"}));
  const PlayerRecord dropped = PlayShownFile();
  ASSERT_GE(dropped.args.size(), 2u) << ToUtf8(dropped.commandLine);
  EXPECT_EQ(dropped.args[1], path);

  StartApp(L"\"" + path + L"\"");
  const std::vector<PlayerRecord> records = Folder().WaitForPlayerRecords(2);
  ASSERT_GE(records[1].args.size(), 2u) << ToUtf8(records[1].commandLine);
  EXPECT_EQ(records[1].args[1], path);
}

TEST_F(BadInputTest, NameWithBlanksCyrillicLettersAndAnApostrophe) {
  const fs::path file =
      Folder().AddFile(L"д'Артаньян и я\\клип 'ночь' it's.bik", Bytes(444, 48000));
  Start();
  BrowseGood(file, 444, 48000);
  const PlayerRecord browsed = PlayShownFile();
  ASSERT_GE(browsed.args.size(), 2u) << ToUtf8(browsed.commandLine);
  EXPECT_EQ(browsed.args[1], file.wstring());

  // The same name from the command line, as the shell passes it.
  StartApp(L"\"" + file.wstring() + L"\"");
  const std::vector<PlayerRecord> records = Folder().WaitForPlayerRecords(2);
  ASSERT_GE(records[1].args.size(), 2u) << ToUtf8(records[1].commandLine);
  EXPECT_EQ(records[1].args[1], file.wstring());
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
    Browse(locked.wstring());
    ExpectNoMessageBox();
    EXPECT_EQ(Panel(), (Shown{locked.wstring(), L"555", L"22050"}));
  }
  BrowseGood(locked, 666, 44100);
}

// ---- settings file -------------------------------------------------------------

TEST_F(BadInputTest, ValuesOf300CharactersNeitherCrashNorSpillIntoOtherKeys) {
  const std::string longText(300, 'x');
  const std::string ini =
      "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=" +
      longText + "\r\nnote=" + longText + "\r\n[other]\r\nkeep=" + longText + "\r\n";
  Start(ini);
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());
  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"Авто");
  ClickSync(Control(settings, settings_ids::Command2));
  ASSERT_TRUE(WaitForWindowGone(settings));
  CloseProgram();

  // The frame rate is stored from the list as the Part says; nothing else.
  std::string expected = ini;
  expected.replace(expected.find("fe=" + longText), 3 + longText.size(), "fe=auto");
  EXPECT_EQ(ReadIniBytes(), expected);

  // Read cut to 254 digits, a long number is still too large: reported, and
  // the file left exactly as it was.
  const std::string tooLarge = "[main]\r\nre=" + std::string(300, '1') + "\r\nnote=" + longText +
                               "\r\n[other]\r\nkeep=" + longText + "\r\n";
  Start(tooLarge);
  ASSERT_TRUE(WaitForStatus(L"6  Переполнение")) << ToUtf8(Status());
  CloseProgram();
  EXPECT_EQ(ReadIniBytes(), tooLarge);

  // A long value that is no number at all: the recovery, around the rest.
  const std::string notNumber = "[main]\r\nre=" + longText + "\r\nnote=" + longText +
                                "\r\n[other]\r\nkeep=" + longText + "\r\n";
  Start(notNumber);
  ASSERT_TRUE(WaitForStatus(kRecovered)) << ToUtf8(Status());
  EXPECT_EQ(IniValue(L"re"), L"1");
  const std::string recovered = ReadIniBytes();
  EXPECT_NE(recovered.find("note=" + longText + "\r\n"), std::string::npos);
  EXPECT_NE(recovered.find("[other]\r\nkeep=" + longText + "\r\n"), std::string::npos);
}

TEST_F(BadInputTest, BinaryJunkBeforeTheSectionIsSkipped) {
  std::string junk("\x00\xff\xfe\x01\r[\x80\x81=\x02\n\x7f==\r\n\x00\x00[ma", 22);
  for (int i = 0; i < 200; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  const std::string ini = junk + "\r\n" + std::string(kValidIni);
  Start(ini);
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());
  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::ie)), BST_CHECKED);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::de1)), L"800x600");
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"Максимум");
  Click(Control(settings, settings_ids::ge));
  ASSERT_TRUE(WaitForIniValue(L"ge", L"1"));
  ClickSync(Control(settings, settings_ids::Command2));
  CloseProgram();

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
  const std::string ini =
      "[MAIN]\r\nRE=0\r\nPe=1\r\nce=0\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nDE=9\r\nfe=30.0\r\n";
  Start(ini);
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());
  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::re)), BST_UNCHECKED);
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::pe)), BST_CHECKED);
  EXPECT_EQ(ComboText(Control(settings, settings_ids::de1)), L"800x600");
  EXPECT_EQ(ComboText(Control(settings, settings_ids::fe)), L"30.0");
  Click(Control(settings, settings_ids::re));
  ASSERT_TRUE(WaitForIniValue(L"re", L"1"));
  ClickSync(Control(settings, settings_ids::Command2));
  CloseProgram();

  // One section still, the key changed where it stood.
  const std::string after = ReadIniBytes();
  EXPECT_EQ(after.find('['), after.rfind('[')) << after;
  EXPECT_EQ(IniKeys().size(), 16u);
  EXPECT_EQ(IniValue(L"pe"), L"1");
  EXPECT_EQ(IniValue(L"de"), L"9");
  EXPECT_EQ(IniValue(L"fe"), L"30.0");
}

TEST_F(BadInputTest, DuplicateKeysReadTheFirstAndKeepTheRest) {
  const std::string ini = std::string(kValidIni) + "ge=1\r\nnote=mine\r\nnote=also mine\r\n";
  Start(ini);
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());
  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  EXPECT_EQ(GetCheck(Control(settings, settings_ids::ge)), BST_UNCHECKED);
  Click(Control(settings, settings_ids::ge));
  ASSERT_TRUE(WaitForIniValue(L"ge", L"1"));
  ClickSync(Control(settings, settings_ids::Command2));
  CloseProgram();

  const std::string after = ReadIniBytes();
  EXPECT_NE(after.find("note=mine\r\nnote=also mine\r\n"), std::string::npos) << after;
  EXPECT_EQ(IniValue(L"de"), L"9");
}

TEST_F(BadInputTest, ReadOnlySettingsFileRefusesWritesSilently) {
  WriteIniBytes(kValidIni);
  const RefusingIni readOnly;
  app_ = &StartApp();
  main_ = app_->WaitForMainWindow();
  ASSERT_TRUE(WaitForStatus(L"0  ")) << ToUtf8(Status());

  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  Click(Control(settings, settings_ids::ge));
  ASSERT_TRUE(WaitUntil([&] { return GetCheck(Control(settings, settings_ids::ge)) == 1; }));
  ComboSelect(Control(settings, settings_ids::de1), 0);
  ClickSync(Control(settings, settings_ids::Command2));
  ASSERT_TRUE(WaitForWindowGone(settings));
  ExpectNoMessageBox();

  // Still plays, with what the file says.
  const fs::path clip = Folder().AddFile(L"clip.bik", Bytes(777, 22050));
  Browse(clip.wstring());
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
  app_ = &StartApp();
  main_ = app_->WaitForMainWindow();
  ASSERT_TRUE(WaitForStatus(kRecovered)) << ToUtf8(Status());
  ExpectNoMessageBox();
  CloseProgram();
  EXPECT_EQ(ReadIniBytes(), broken);
}

// ---- registry ------------------------------------------------------------------

TEST_F(BadInputTest, UnlinkingLeavesAnotherProgramsBikRegistrationWhole) {
  WriteRegString(HKEY_CLASSES_ROOT, L".bik", L"OtherPlayer.Video");
  WriteRegString(HKEY_CLASSES_ROOT, L".bik\\OpenWithProgids", L"");
  WriteRegString(HKEY_CLASSES_ROOT, L"OtherPlayer.Video\\shell\\open\\command",
                 L"\"C:\\Other\\player.exe\" \"%1\"");
  Start();
  HWND settings = OpenSettingsWindow(app_->Pid(), main_);
  Click(Control(settings, settings_ids::Command3));
  const MessageBoxInfo box = WaitForMessageBox(app_->Pid());
  EXPECT_EQ(box.title, L"Интеграция");
  EXPECT_EQ(box.text, L"Программа больше не связана с файлами расширения *.bik");
  Answer(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box.hwnd));

  EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L".bik"), L"OtherPlayer.Video");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L".bik\\OpenWithProgids"));
  EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L"OtherPlayer.Video\\shell\\open\\command"),
            L"\"C:\\Other\\player.exe\" \"%1\"");
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"bik.video"));
  // The other program's type is its own business: tidy up after the case.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"OtherPlayer.Video");
}

}  // namespace
}  // namespace vintrel::e2e
