// "Ассоциировать" and "Отвязаться", checked in the registry the shell reads
// and through the shell opening a .bik file.
#include "driver.h"

namespace vintrel::e2e {

using namespace settings_ids;
using Association = E2e;

// From a folder with a blank, where an unquoted command would start another
// program. (A short name: the folder is in the command the shell reads into
// 256 characters.) Which keys each step may touch is the association rules'
// business; here the real registry and the shell.
TEST_F(Association, RoundTripThroughTheShellLeavesOtherProgramsKeysAndReportsARefusedWrite) {
  const std::wstring other = L"\"C:\\Other\\player.exe\" \"%1\"";
  SetRegValue(L".bik", L"OtherPlayer.Video");
  SetRegValue(L"OtherPlayer.Video\\shell\\open\\command", other);
  Start();
  HWND settings = OpenSettings();
  // Presses a button of the settings window and closes the box it brings up.
  const auto confirm = [&](int button, bool registered) {
    const Box box = Press(Item(settings, button));
    EXPECT_EQ(box.title, L"Интеграция");
    EXPECT_EQ(box.text, registered ? L"Программа ассоциирована с файлами расширения *.bik"
                                   : L"Программа больше не связана с файлами расширения *.bik");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    Answer(box);
  };
  confirm(Command3, false);  // another program's .bik stays
  EXPECT_EQ(RegValue(L".bik"), L"OtherPlayer.Video");
  EXPECT_EQ(RegValue(L"OtherPlayer.Video\\shell\\open\\command"), other);

  confirm(Command1, true);
  // What the shell shows; the command is proven by the shell's open below.
  EXPECT_EQ(RegValue(L"bik.video"), L"bik video file");
  EXPECT_EQ(RegValue(L"bik.video\\DefaultIcon"), Exe().wstring() + L",0");
  const std::wstring video = AddBik(L"мой ролик.bik").wstring();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info, info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open", info.lpFile = video.c_str();
  ASSERT_TRUE(ShellExecuteExW(&info) && info.hProcess);
  const ui::UniqueKernelHandle opened(info.hProcess);
  EXPECT_EQ(Plays(1)[0], PlayerArgs(video));
  EXPECT_EQ(WaitForSingleObject(opened.get(), 10000), WAIT_OBJECT_0) << "it ends by itself";

  confirm(Command3, false);
  EXPECT_EQ(RegValue(L".bik"), std::nullopt);
  EXPECT_EQ(RegValue(L"bik.video"), std::nullopt);
  // What another program keeps under .bik stays.
  confirm(Command1, true);
  SetRegValue(L".bik\\ShellNew", L"");
  confirm(Command3, false);
  EXPECT_EQ(RegValue(L".bik\\ShellNew"), L"");
  EXPECT_EQ(RegValue(L"bik.video"), std::nullopt);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".bik");

  DenyWrites(L".bik", true);
  const Box box = Press(Item(settings, Command1));
  Answer(box);
  DenyWrites(L".bik", false);
  EXPECT_EQ(box.title, L"Ошибка!");
  for (const wchar_t* part :
       {L"не ассоциирована", L"HKEY_LOCAL_MACHINE\\Software\\Classes\\.bik", L"(5)"})
    EXPECT_NE(box.text.find(part), std::wstring::npos) << box.text;
  EXPECT_EQ(RegValue(L".bik"), L"") << "the shell is not switched";
}

}  // namespace vintrel::e2e
