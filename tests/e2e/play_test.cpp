// "Смотреть" and command-line play, checked by what the stand-in player
// records of the arguments it was started with.
#include <gtest/gtest.h>

#include "app/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;

constexpr std::string_view kValidIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=max\r\n";
constexpr wchar_t kSwitches[] = L" /R /C /I100 /D9 /F";

std::string ValidBik() {
  BikSpec spec;
  spec.frameCount = 5;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 30;
  spec.fpsDenominator = 1;
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

class PlayTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    WriteIniBytes(kValidIni);
  }

  // Chooses `file` through the real open dialog.
  void Browse(HWND main, App& app, const std::filesystem::path& file) {
    Click(Control(main, ids::cmdAddFile));
    HWND dialog = WaitForOpenDialog(app.Pid(), L"Откроем файл для просмотра...");
    ChooseFile(dialog, file.wstring());
    ASSERT_TRUE(WaitUntil([&] { return Text(Control(main, ids::bikfile)) == file.wstring(); }));
  }

  void ExpectPlayed(const PlayerRecord& record, const std::filesystem::path& file) {
    ASSERT_GE(record.args.size(), 2u) << ToUtf8(record.commandLine);
    EXPECT_EQ(std::filesystem::path(record.args[0]), Folder().Player());
    EXPECT_EQ(record.args[1], file.wstring());
    const std::vector<std::wstring> switches(record.args.begin() + 2, record.args.end());
    EXPECT_EQ(switches, (std::vector<std::wstring>{L"/R", L"/C", L"/I100", L"/D9", L"/F"}));
  }
};

TEST_F(PlayTest, WithoutAFileTheUserIsToldAndTheSwitchesShow) {
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  Click(Control(main, ids::Command1));
  const MessageBoxInfo box = WaitForMessageBox(app.Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_EQ(box.text, L"Сначала необходимо выбрать файл.");
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_TRUE(box.hasIcon);
  EXPECT_FALSE(ShowsSystemStopIcon(box));
  EXPECT_EQ(StatusText(Control(main, ids::Status)), kSwitches);
  Answer(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(box.hwnd));
  EXPECT_TRUE(Folder().PlayerRecords().empty());
}

TEST_F(PlayTest, BrowsedFileIsPlayedWithTheStoredSwitches) {
  const auto file = Folder().AddFile(L"clip.bik", ValidBik());
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  Browse(main, app, file);
  ClickSync(Control(main, ids::Command1));
  const auto records = Folder().WaitForPlayerRecords(1);
  ExpectPlayed(records[0], file);
  EXPECT_EQ(StatusText(Control(main, ids::Status)), kSwitches);
  EXPECT_TRUE(app.IsRunning()) << "the program goes on after starting the player";
}

TEST_F(PlayTest, FoldersWithBlanksAndCyrillicLettersReachThePlayerWhole) {
  UseAppFolder(L"Program Files\\Видео плеер");
  const auto file = Folder().AddFile(L"мои клипы\\it's a clip.bik", ValidBik());
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  Browse(main, app, file);
  ClickSync(Control(main, ids::Command1));
  ExpectPlayed(Folder().WaitForPlayerRecords(1)[0], file);
}

TEST_F(PlayTest, MissingPlayerIsReportedWithItsPath) {
  const auto file = Folder().AddFile(L"clip.bik", ValidBik());
  std::filesystem::remove(Folder().Player());
  App& app = StartApp();
  HWND main = app.WaitForMainWindow();
  SetText(Control(main, ids::bikfile), file.wstring());
  Click(Control(main, ids::Command1));
  const MessageBoxInfo box = WaitForMessageBox(app.Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_NE(box.text.find(L"Не удалось запустить проигрыватель"), std::wstring::npos);
  EXPECT_NE(box.text.find(Folder().Player().wstring()), std::wstring::npos) << ToUtf8(box.text);
  Answer(box, IDOK);
}

// Command-line play: the program plays the named file at once and ends.
class CommandLinePlayTest : public PlayTest {
 protected:
  void ExpectPlayedAndEnded(App& app, const std::filesystem::path& file) {
    ExpectPlayed(Folder().WaitForPlayerRecords(1)[0], file);
    EXPECT_TRUE(app.WaitForExit().has_value()) << "the program must end by itself";
  }
};

TEST_F(CommandLinePlayTest, QuotedPathWithBlanks) {
  const auto file = Folder().AddFile(L"my clips\\intro movie.bik", ValidBik());
  App& app = StartApp(L"\"" + file.wstring() + L"\"");
  ExpectPlayedAndEnded(app, file);
}

TEST_F(CommandLinePlayTest, UnquotedPathAsTheShellPassesIt) {
  const auto file = Folder().AddFile(L"my clips\\intro movie.bik", ValidBik());
  App& app = StartApp(file.wstring());
  ExpectPlayedAndEnded(app, file);
}

TEST_F(CommandLinePlayTest, WordsAroundAQuotedPathAreIgnored) {
  const auto file = Folder().AddFile(L"ролик.bik", ValidBik());
  App& app = StartApp(L"/play \"" + file.wstring() + L"\" /fast");
  ExpectPlayedAndEnded(app, file);
}

TEST_F(CommandLinePlayTest, TwoAdjacentQuotesAskForAFileThenEnd) {
  App& app = StartApp(L"\"\"");
  const MessageBoxInfo box = WaitForMessageBox(app.Pid());
  EXPECT_EQ(box.text, L"Сначала необходимо выбрать файл.");
  EXPECT_TRUE(app.IsRunning()) << "the program waits for the box to be closed";
  Answer(box, IDOK);
  EXPECT_TRUE(app.WaitForExit().has_value());
  EXPECT_TRUE(Folder().PlayerRecords().empty());
}

TEST_F(CommandLinePlayTest, MissingPlayerIsReportedThenTheProgramEnds) {
  const auto file = Folder().AddFile(L"clip.bik", ValidBik());
  std::filesystem::remove(Folder().Player());
  App& app = StartApp(L"\"" + file.wstring() + L"\"");
  const MessageBoxInfo box = WaitForMessageBox(app.Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  Answer(box, IDOK);
  EXPECT_TRUE(app.WaitForExit().has_value());
}

TEST_F(CommandLinePlayTest, OneQuoteTakesTheRestOfTheLine) {
  const auto file = Folder().AddFile(L"one quote.bik", ValidBik());
  App& app = StartApp(L"\"" + file.wstring());
  ExpectPlayedAndEnded(app, file);
}

}  // namespace
}  // namespace vintrel::e2e
