// The settings window "Настройки": what it shows of the settings file, what a
// click and typing store at once, what a list choice stores at the close, the
// keyboard, a file broken by hand, and the association with .bik files.
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

TEST_F(Settings, ShowsTheFileStoresChoicesRefusesABrokenFileAndAssociatesThroughTheShell) {
  WriteIni(IniWith("2", "0", "max"));
  Start();
  HWND settings = OpenSettings();
  ExpectModal(settings, L"Настройки", pe);
  for (int id = re; id <= ge; ++id)
    EXPECT_EQ(Send(Item(settings, id), BM_GETCHECK), id == re ? BST_INDETERMINATE : id == ne) << id;
  HWND display = Item(settings, de1), rate = Item(settings, fe);
  // The two lists as shown, and as stored.
  const auto shown = [&] { return Text(Item(settings, de1)) + L" " + Text(Item(settings, fe)); };
  const auto stored = [] { return IniValue(L"de") + L" " + IniValue(L"fe"); };
  EXPECT_EQ(shown(), L"В окне Максимум");

  // A box is stored when clicked; a greyed one keeps its 2 until then.
  Click(Item(settings, ge));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"ge") == L"1"; }));
  EXPECT_EQ(IniValue(L"re"), L"2");
  Click(Item(settings, re));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"re") == L"1"; }));
  EXPECT_EQ(Send(Item(settings, re), BM_GETCHECK), BST_CHECKED);
  // Typing stores a whole entry at once, an unfinished one nothing.
  Type(display, L"800x6");
  Type(rate, L"Авто");
  EXPECT_EQ(stored(), L"0 auto");
  Type(display, L"800x600");
  EXPECT_EQ(stored(), L"9 auto");
  // A choice from the list waits for the close; a click after it is stored.
  Select(display, 0);
  Select(rate, 7);
  Click(Item(settings, pe));
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"pe") == L"1"; }));
  EXPECT_EQ(stored(), L"9 auto");

  // The keyboard: Tab walks the window in its order, Space toggles a box,
  // Enter on a box and Escape close nothing, Enter on "OK" closes.
  for (int id : {fe, ze, ge, ke, ne, je, se, ce, qe, ie, le, de1, we, re, Command2, Command1,
                 Command3, pe}) {
    Key(settings, VK_TAB);
    EXPECT_TRUE(WaitFocus(settings, id)) << id;
  }
  Key(settings, VK_SPACE);
  EXPECT_TRUE(WaitUntil([] { return IniValue(L"pe") == L"0"; }));
  Key(settings, VK_RETURN);
  Key(settings, VK_ESCAPE);
  for (int i = 0; i < 15; ++i) Key(settings, VK_TAB);
  ASSERT_TRUE(WaitFocus(settings, Command2));
  EXPECT_TRUE(IsWindowVisible(settings));
  Key(settings, VK_RETURN);
  ASSERT_TRUE(Gone(settings));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_); }));
  EXPECT_EQ(stored(), L"1 60.0");

  // What is not in the lists shows the first texts, stored at the end of
  // the session.
  WriteIni(IniWith("1", "14", "MAX"));
  settings = OpenSettings();
  EXPECT_EQ(shown(), L"1024x768 Авто");
  SendMessageW(settings, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadFile(IniPath()), IniWith("1", "11", "auto"));
  CloseWindow(settings);

  // A file broken by hand meanwhile: reported, and when the user keeps it as
  // it is, never half shown nor stored.
  const std::pair<const char*, const wchar_t*> broken[] = {
      {"99999", L"Ошибка номер 6: Переполнение"},
      {"5", L"Ошибка номер 380: Недопустимое значение свойства"},
  };
  for (const auto& [value, message] : broken) {
    WriteIni(IniWith(value, "9", "max"));
    const Box box = Press(Main(main_ids::settingsButton));
    EXPECT_FALSE(WindowOf(pid_, [](HWND w) { return GetDlgItem(w, de1) != nullptr; }));
    EXPECT_NE(box.text.find(message), std::wstring::npos) << box.text;
    Answer(box, IDNO);
    EXPECT_EQ(ReadFile(IniPath()), IniWith(value, "9", "max"));
  }
  // "Ассоциировать" and "Отвязаться", checked in the user's registry and
  // through the shell opening a .bik file. Which keys each step may touch is
  // the association rules' business; here the real registry and the shell,
  // with the program in a folder with a blank, where an unquoted command would
  // start another program.
  WriteIni(kIni);
  settings = OpenSettings();
  const auto confirm = [&](int button) {
    const Box box = Press(Item(settings, button));
    EXPECT_EQ(box.title, L"Интеграция");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    Answer(box);
    return box.text;
  };
  const std::wstring classes = L"Software\\Classes\\";
  const auto user = [&](const std::wstring& key) {
    return RegValue(classes + key, HKEY_CURRENT_USER);
  };
  EXPECT_EQ(
      confirm(Command1),
      L"Программа ассоциирована с файлами расширения *.bik\n\nТолько для текущего пользователя.");
  // The command is proven by the shell's open below.
  EXPECT_EQ(RegValue(classes + L".bik\\OpenWithProgids", HKEY_CURRENT_USER, L"bik.video"), L"");
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

  const std::wstring removed = L"Программа больше не связана с файлами расширения *.bik";
  EXPECT_EQ(confirm(Command3), removed);
  for (const wchar_t* key : {L".bik", L"bik.video"})
    EXPECT_TRUE(!user(key) && !RegValue(key)) << key;
  // What another program keeps under .bik stays, no longer naming this one.
  // The app the user chose goes on opening .bik files, and the confirmation
  // says so.
  SetRegValue(kUserChoice, L"Other.Player.bik", HKEY_CURRENT_USER, L"ProgId");
  EXPECT_NE(confirm(Command1).find(L"«Выбрать другое приложение» → Vintrel"), std::wstring::npos);
  SetRegValue(classes + L".bik\\ShellNew", L"", HKEY_CURRENT_USER);
  EXPECT_EQ(confirm(Command3), removed);
  EXPECT_TRUE(user(L".bik\\ShellNew") && user(L".bik") == L"" && !user(L"bik.video"));
  RegDeleteTreeW(HKEY_CURRENT_USER, (classes + L".bik").c_str());

  DenyWrites(HKEY_CURRENT_USER, classes + L".bik", true);
  const Box box = Press(Item(settings, Command1));
  Answer(box);
  DenyWrites(HKEY_CURRENT_USER, classes + L".bik", false);
  EXPECT_EQ(box.title, L"Ошибка!");
  for (const wchar_t* part :
       {L"не ассоциирована", L"HKEY_CURRENT_USER\\Software\\Classes\\.bik:", L"(5)"})
    EXPECT_NE(box.text.find(part), std::wstring::npos) << box.text;
  EXPECT_EQ(user(L".bik"), L"") << "the shell is not switched";
  CloseWindow(settings);

  WriteIni(IniWith("0", "9", "max"));
  settings = OpenSettings();
  EXPECT_EQ(shown(), L"800x600 Максимум");
  CloseAndExpectExit();
  EXPECT_EQ(IniValue(L"ee"), L"-") << "nothing is ever stored for the greyed lists";
}

}  // namespace vintrel::e2e
