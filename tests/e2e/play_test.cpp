// "Смотреть" and command-line play, checked by what the stand-in player
// records of the arguments it was started with.
#include <gtest/gtest.h>

#include "res/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "panel_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;

// What kValidIni passes to the player.
constexpr wchar_t kSwitches[] = L" /R /C /I100 /D9 /F";
constexpr wchar_t kNoFile[] = L"Сначала необходимо выбрать файл.";

class PlayTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    WriteIniBytes(kValidIni);
  }

  std::filesystem::path AddClip(const wchar_t* name) {
    return Folder().AddFile(name, BikBytes({}));
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
  EXPECT_EQ(box.text, kNoFile);
  EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
  EXPECT_TRUE(box.hasIcon);
  EXPECT_FALSE(ShowsSystemStopIcon(box));
  EXPECT_EQ(StatusText(Control(main, ids::Status)), kSwitches);
  Answer(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(box.hwnd));
  EXPECT_TRUE(Folder().PlayerRecords().empty());
}

// Blanks, Cyrillic letters and an apostrophe in the program's folder and in
// the file's path reach the player whole.
TEST_F(PlayTest, BrowsedFileIsPlayedWithTheStoredSwitches) {
  for (const wchar_t* appFolder : {L"app", L"Program Files\\Видео плеер"}) {
    SCOPED_TRACE(ToUtf8(appFolder));
    UseAppFolder(appFolder);
    const auto file = AddClip(L"мои клипы\\it's a clip.bik");
    App& app = StartApp();
    HWND main = app.WaitForMainWindow();
    BrowseFile(app.Pid(), main, file);
    ClickSync(Control(main, ids::Command1));
    ExpectPlayed(Folder().WaitForPlayerRecords(1)[0], file);
    EXPECT_EQ(StatusText(Control(main, ids::Status)), kSwitches);
    EXPECT_TRUE(app.IsRunning()) << "the program goes on after starting the player";
  }
}

// Command-line play: the program plays the named file at once and ends.
TEST_F(PlayTest, FileOnTheCommandLineIsPlayedAndTheProgramEnds) {
  const auto file = AddClip(L"мои клипы\\intro movie.bik");
  const std::wstring path = file.wstring();
  const std::wstring commandLines[] = {
      L"\"" + path + L"\"",              // quoted, as a user types it
      path,                              // unquoted, as the shell may pass it
      L"/play \"" + path + L"\" /fast",  // words around a quoted path are ignored
      L"\"" + path,                      // one quote: the rest of the line
  };
  for (size_t i = 0; i < std::size(commandLines); ++i) {
    SCOPED_TRACE(ToUtf8(commandLines[i]));
    App& app = StartApp(commandLines[i]);
    ExpectPlayed(Folder().WaitForPlayerRecords(i + 1)[i], file);
    EXPECT_TRUE(app.WaitForExit().has_value()) << "the program must end by itself";
  }
}

TEST_F(PlayTest, TwoAdjacentQuotesAskForAFileThenTheProgramEnds) {
  App& app = StartApp(L"\"\"");
  const MessageBoxInfo box = WaitForMessageBox(app.Pid());
  EXPECT_EQ(box.text, kNoFile);
  EXPECT_TRUE(app.IsRunning()) << "the program waits for the box to be closed";
  Answer(box, IDOK);
  EXPECT_TRUE(app.WaitForExit().has_value());
  EXPECT_TRUE(Folder().PlayerRecords().empty());
}

TEST_F(PlayTest, MissingPlayerIsReportedWithItsPathThenTheProgramEnds) {
  const auto file = AddClip(L"clip.bik");
  std::filesystem::remove(Folder().Player());
  App& app = StartApp(L"\"" + file.wstring() + L"\"");
  const MessageBoxInfo box = AnswerNextMessageBox(app.Pid());
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_NE(box.text.find(L"Не удалось запустить проигрыватель"), std::wstring::npos);
  EXPECT_NE(box.text.find(Folder().Player().wstring()), std::wstring::npos) << ToUtf8(box.text);
  EXPECT_TRUE(app.WaitForExit().has_value());
}

}  // namespace
}  // namespace vintrel::e2e
