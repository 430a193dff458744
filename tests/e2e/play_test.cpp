// "Смотреть" and command-line play, checked by the exact arguments the
// stand-in player was started with.
#include "driver.h"

namespace vintrel::e2e {
namespace {

using namespace main_ids;

constexpr wchar_t kNoFile[] = L"Сначала необходимо выбрать файл.";

class Play : public E2e {
 protected:
  void SetUp() override {
    E2e::SetUp();
    WriteIni(kIni);
  }
  void ExpectPlayed(const Args& args, const fs::path& file) const {
    EXPECT_EQ(args, (Args{(app_ / L"vintrel.dll").wstring(), file.wstring(), L"/R", L"/C", L"/I100",
                          L"/D9", L"/F"}));
  }
};

TEST_F(Play, WithoutAFileTheUserIsToldAndTheSwitchesShow) {
  Start();
  const Box box = Press(Main(Command1));
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_EQ(box.text, kNoFile);
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  ASSERT_TRUE(box.icon);
  EXPECT_TRUE(WaitUntil([&] { return IconOf(box.icon) == IconOf(Main(PicBullsEye)); }, 2000))
      << "the box shows the program's own icon";
  EXPECT_EQ(Status(), L" /R /C /I100 /D9 /F");
  Answer(box);
  EXPECT_TRUE(Plays().empty());
}

// Blanks, Cyrillic letters and an apostrophe reach the player whole.
TEST_F(Play, BrowsedFileIsPlayedWithTheStoredSwitches) {
  UseAppFolder(L"Program Files\\Видео плеер");
  const fs::path file = AddBik(L"мои клипы\\it's a clip.bik");
  Start();
  Browse(file);
  Click(Main(Command1));
  ExpectPlayed(Plays(1)[0], file);
  EXPECT_EQ(Status(), L" /R /C /I100 /D9 /F");
  EXPECT_FALSE(WaitExit(0)) << "the program goes on after starting the player";
}

TEST_F(Play, FileOnTheCommandLineIsPlayedAndTheProgramEnds) {
  const std::wstring path = AddBik(L"мои клипы\\intro movie.bik").wstring();
  const std::wstring commandLines[] = {
      L"\"" + path + L"\"",              // quoted, as a user types it
      path,                              // unquoted, as the shell may pass it
      L"/play \"" + path + L"\" /fast",  // words around a quoted path are ignored
      L"\"" + path,                      // one quote: the rest of the line
  };
  for (size_t i = 0; i < std::size(commandLines); ++i) {
    SCOPED_TRACE(U8(commandLines[i]));
    Start(commandLines[i], false);
    ExpectPlayed(Plays(i + 1)[i], path);
    EXPECT_TRUE(WaitExit()) << "the program ends by itself";
  }

  // Two quotes name no file: the program says so, waits, and ends.
  Start(L"\"\"", false);
  Box box = WaitBox(pid_);
  EXPECT_EQ(box.text, kNoFile);
  EXPECT_FALSE(WaitExit(0));
  Answer(box);
  EXPECT_TRUE(WaitExit());

  // Started in the video's folder, as the shell does: a relative name is the
  // file there, and "/F" is a file too, never a switch for the player.
  Start(L"intro movie.bik", false, fs::path(path).parent_path());
  ExpectPlayed(Plays(5)[4], path);
  Start(L"/F", false, fs::path(path).parent_path());
  ExpectPlayed(Plays(6)[5], fs::path(path).root_path() / L"F");
  // The player never starts there, where a planted DLL could wait for it.
  EXPECT_EQ(Wide(ReadFile(app_ / L"folders.log")).find(L"клипы"), std::wstring::npos);
  EXPECT_TRUE(WaitExit());

  // Without the player: the message names it, and the program ends.
  fs::remove(app_ / L"vintrel.dll");
  Start(L"\"" + path + L"\"", false);
  box = WaitBox(pid_);
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_NE(box.text.find(L"Не удалось запустить проигрыватель"), std::wstring::npos);
  EXPECT_NE(box.text.find((app_ / L"vintrel.dll").wstring()), std::wstring::npos) << U8(box.text);
  Answer(box);
  EXPECT_TRUE(WaitExit());
  EXPECT_EQ(ReadCalls(app_ / L"calls.log").size(), std::size(commandLines) + 2);
}

// After a start-up that stopped at a bad value, a play uses the file as the
// recovery rewrote it, or, when it still cannot be read, nothing.
TEST_F(Play, AfterABrokenStartTheFileDecidesWhatPlays) {
  const fs::path file = AddBik(L"clip.bik");
  fs::remove(IniPath());
  Start(L"\"" + file.wstring() + L"\"", false);
  EXPECT_EQ(Plays(1)[0],
            (Args{(app_ / L"vintrel.dll").wstring(), file.wstring(), L"/R", L"/C", L"/D11"}));
  WriteIni(std::string(kIni).replace(kIni.find("re=1"), 4, "re=99999"));
  Start(L"\"" + file.wstring() + L"\"", false);
  const Box box = WaitBox(pid_);
  EXPECT_EQ(box.text, L"Ошибка номер 6: Переполнение");
  Answer(box);
  EXPECT_TRUE(WaitExit());
  EXPECT_EQ(Plays().size(), 1u);
}

}  // namespace
}  // namespace vintrel::e2e
