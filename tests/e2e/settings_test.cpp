// The settings window "Настройки": what it shows of the settings file, what a
// click and typing store at once, what a list choice stores at the close, the
// keyboard, and the association with .bik files. (A file broken by hand is
// among the bad input's cases.)
#include "driver.h"

namespace vintrel::e2e {

using namespace settings_ids;
using Settings = E2e;

// Every key the window reads, and no "ee": nothing but the recovery adds it.
static std::string IniWith(const std::string& re, const std::string& de, const std::string& fe) {
  return "[main]\r\nre=" + re +
         "\r\npe=0\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n" +
         "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nde=" + de + "\r\nfe=" + fe + "\r\n";
}

TEST_F(Settings, ShowsTheFileStoresChoicesAndAssociatesThroughTheShell) {
  WriteIni(IniWith("2", "0", "max"));
  Start();
  HWND settings = OpenSettings();
  ExpectModal(settings, L"Настройки", loadIntoMemoryBox);
  for (int id = fillBackgroundBox; id <= noBufferBox; ++id)
    EXPECT_EQ(Send(Item(settings, id), BM_GETCHECK),
              id == fillBackgroundBox ? BST_INDETERMINATE : id == noFrameSkipBox)
        << id;
  HWND display = Item(settings, displayModeList), rate = Item(settings, frameRateList);
  // The two lists as stored.
  const auto stored = [] { return IniValue(L"de") + L" " + IniValue(L"fe"); };
  EXPECT_EQ(Text(display) + L" " + Text(rate), L"В окне Максимум");

  // A box is stored when clicked; a greyed one keeps its 2 until then.
  Click(Item(settings, noBufferBox));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"ge") == L"1"; }));
  EXPECT_EQ(IniValue(L"re"), L"2");
  Click(Item(settings, fillBackgroundBox));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"re") == L"1"; }));
  // Typing stores a whole entry at once, an unfinished one nothing.
  Type(display, L"800x6");
  Type(rate, L"Авто");
  EXPECT_EQ(stored(), L"0 auto");
  Type(display, L"800x600");
  EXPECT_EQ(stored(), L"9 auto");
  // A choice from the list waits for the close; a click after it is stored.
  Select(display, 0);
  Select(rate, 7);
  Click(Item(settings, loadIntoMemoryBox));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"pe") == L"1"; }));
  EXPECT_EQ(stored(), L"9 auto");

  // The keyboard: Tab walks the window in its order, Space toggles a box,
  // Enter on a box and Escape close nothing, Enter on "OK" closes.
  for (int id : {frameRateList, waveOutBox, noBufferBox, noMultithreadedDevicesBox, noFrameSkipBox,
                 keepPlayingUnfocusedBox, summaryAfterPlayBox, hideCursorBox, liveStatisticsBox,
                 alwaysOnTopBox, loopForeverBox, displayModeList, fullScreenBox, fillBackgroundBox,
                 okButton, associateButton, dissociateButton, loadIntoMemoryBox}) {
    Key(settings, VK_TAB);
    EXPECT_TRUE(WaitFocus(settings, id)) << id;
  }
  Key(settings, VK_SPACE);
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"pe") == L"0"; }));
  Key(settings, VK_RETURN);
  Key(settings, VK_ESCAPE);
  for (int i = 0; i < 15; ++i) Key(settings, VK_TAB);
  ASSERT_TRUE(WaitFocus(settings, okButton));
  EXPECT_TRUE(IsWindowVisible(settings));
  Key(settings, VK_RETURN);
  ASSERT_TRUE(Gone(settings));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_); }));
  EXPECT_EQ(stored(), L"1 60.0");
  EXPECT_EQ(IniValue(L"ee"), L"-") << "nothing is ever stored for the greyed lists";

  // What is not in the lists shows the first texts, stored at the end of
  // the session.
  WriteIni(IniWith("1", "14", "MAX"));
  settings = OpenSettings();
  display = Item(settings, displayModeList), rate = Item(settings, frameRateList);
  EXPECT_EQ(Text(display) + L" " + Text(rate), L"1024x768 Авто");
  SendMessageW(settings, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadFile(IniPath()), IniWith("1", "11", "auto"));

  // "Ассоциировать" and "Отвязаться", checked in the user's registry and
  // through the shell opening a .bik file. Which keys each step may touch is
  // the association rules' business; here the real registry and the shell,
  // with the program in a folder with a blank, where an unquoted command would
  // start another program.
  WriteIni(kIni);
  const auto confirm = [&](int button) {
    const Box box = Press(Item(settings, button));
    EXPECT_EQ(box.title, L"Интеграция");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    Answer(box);
    return box.text;
  };
  const std::wstring classes = L"Software\\Classes\\";
  const std::wstring registered =
      L"Программа ассоциирована с файлами расширения *.bik\n\nТолько для текущего пользователя.";
  EXPECT_EQ(confirm(associateButton), registered);
  // Windows shows the user's classes merged over the machine's; Wine reads
  // only the machine's. A copy there stands in for the merge. It names this
  // program, so "Отвязаться" below has to remove it from the machine store.
  for (const std::wstring key : {L".bik", L"bik.video"}) {
    win::UniqueRegKey copy;
    RegCreateKeyW(HKEY_CLASSES_ROOT, key.c_str(), copy.put());
    ASSERT_FALSE(RegCopyTreeW(HKEY_CURRENT_USER, (classes + key).c_str(), copy.get()));
  }
  const std::wstring video = AddBik(L"мой ролик.bik").wstring();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info, info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open", info.lpFile = video.c_str();
  ASSERT_TRUE(ShellExecuteExW(&info) && info.hProcess);
  const win::UniqueKernelHandle opened(info.hProcess);
  EXPECT_EQ(Plays(1)[0], PlayerArgs(video));
  EXPECT_EQ(WaitForSingleObject(opened.get(), 10000), WAIT_OBJECT_0) << "it ends by itself";

  EXPECT_EQ(confirm(dissociateButton), L"Программа больше не связана с файлами расширения *.bik");
  for (const wchar_t* key : {L".bik", L"bik.video"})
    EXPECT_TRUE(!RegValue(classes + key, HKEY_CURRENT_USER) && !RegValue(key)) << key;
  // The app the user chose goes on opening .bik files, and the confirmation
  // says so, unless that app is this one.
  SetRegValue(kUserChoice, L"bik.video", HKEY_CURRENT_USER, L"ProgId");
  EXPECT_EQ(confirm(associateButton), registered);
  SetRegValue(kUserChoice, L"Other.Player.bik", HKEY_CURRENT_USER, L"ProgId");
  EXPECT_NE(confirm(associateButton).find(L"«Выбрать другое приложение» → Vintrel"),
            std::wstring::npos);
  RegDeleteTreeW(HKEY_CURRENT_USER, (classes + L".bik").c_str());

  DenyWrites(HKEY_CURRENT_USER, classes + L".bik", true);
  const Box box = Press(Item(settings, associateButton));
  Answer(box);
  DenyWrites(HKEY_CURRENT_USER, classes + L".bik", false);
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_TRUE(box.text.starts_with(
      L"Программа не ассоциирована с файлами расширения *.bik.\n\nНе удалось записать раздел "
      L"реестра HKEY_CURRENT_USER\\Software\\Classes\\.bik:\n(5)"))
      << box.text;
  EXPECT_EQ(RegValue(classes + L".bik", HKEY_CURRENT_USER), L"") << "the shell is not switched";
  CloseAndExpectExit();  // and the window with the program
}

}  // namespace vintrel::e2e
