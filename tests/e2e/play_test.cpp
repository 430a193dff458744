// "Смотреть" and command-line play, checked by the exact arguments the
// stand-in player was started with.
#include "driver.h"

namespace vintrel::e2e {

using namespace main_ids;

constexpr wchar_t kNoFile[] = L"Сначала необходимо выбрать файл.";

using Play = E2e;

TEST_F(Play, ChosenOrGivenFileIsPlayedWithTheStoredSwitchesOrTheUserIsTold) {
  // A start with `arguments` that tells the user something in an error box:
  // the program waits for the answer, then ends. The box's text.
  const auto told = [this](const std::wstring& arguments) {
    Start(arguments, false);
    const Box box = WaitBox(pid_);
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_FALSE(WaitExit(0));
    Answer(box);
    EXPECT_TRUE(WaitExit());
    return box.text;
  };
  // Blanks, Cyrillic letters and an apostrophe reach the player whole.
  const fs::path file = AddBik(L"мои клипы\\it's a clip.bik");
  const std::wstring path = AddBik(L"мои клипы\\intro movie.bik").wstring(),
                     quoted = L"\"" + path + L"\"";
  Start();
  ExpectError(Press(Main(playButton)), kNoFile);
  EXPECT_EQ(Status(), L" /R /C /I100 /D9 /F") << "the switches show";
  Browse(file);
  Click(Main(playButton));
  EXPECT_EQ(Plays(1), std::vector<Args>{PlayerArgs(file)}) << "nothing played without a file";
  EXPECT_FALSE(WaitExit(0)) << "the program goes on after starting the player";

  // Two quotes name no file: the program says so, waits, and ends.
  EXPECT_EQ(told(L"\"\""), kNoFile);

  // Started in the video's folder, as the shell does, unquoted: a relative
  // name is the file there, and "/F" is a file too, never a switch for the player.
  Start(L"intro movie.bik", false, fs::path(path).parent_path());
  EXPECT_EQ(Plays(2)[1], PlayerArgs(path));
  EXPECT_TRUE(WaitExit()) << "the program ends by itself";
  Start(L"/F", false, fs::path(path).parent_path());
  EXPECT_EQ(Plays(3)[2], PlayerArgs(fs::path(path).root_path() / L"F"));
  // The player never starts there, where a planted DLL could wait for it.
  const std::string video(reinterpret_cast<const char*>(L"клипы"), 10);  // as the log has it
  EXPECT_EQ(ReadFile(app_ / L"folders.log").find(video), std::string::npos);
  EXPECT_TRUE(WaitExit());

  // After a start-up that stopped at a bad value, a play uses the file as
  // the recovery rewrote it.
  fs::remove(IniPath());
  Start(quoted, false);
  EXPECT_EQ(Plays(4)[3], (Args{Player().wstring(), path, L"/R", L"/C", L"/D11"}));
  EXPECT_TRUE(WaitExit());

  // Without the player: the message names it and the system's error.
  WriteIni(kIni);
  fs::remove(Player());
  const std::wstring missing = told(quoted);
  EXPECT_TRUE(
      missing.starts_with(L"Не удалось запустить проигрыватель " + Player().wstring() + L"\n(2)"))
      << missing;
  EXPECT_EQ(ReadCalls(app_ / L"calls.log").size(), 4u) << "nothing more was played";
}

}  // namespace vintrel::e2e
