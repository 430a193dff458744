// The settings window "Настройки": what it shows of the settings file, what a
// click and typing store at once, what a list choice stores at the close, the
// keyboard, and a file broken by hand.
#include "driver.h"

namespace vintrel::e2e {
namespace {

using namespace settings_ids;
using Settings = E2e;

// Every key the window reads, and no "ee": nothing but the recovery adds it.
std::string IniWith(std::string_view re, std::string_view de, std::string_view fe) {
  return "[main]\r\nre=" + std::string(re) +
         "\r\npe=0\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\nqe=0\r\n"
         "ie=0\r\nwe=0\r\nge=0\r\nde=" +
         std::string(de) + "\r\nfe=" + std::string(fe) + "\r\n";
}

TEST_F(Settings, ShowsTheFileAndStoresClicksAndTypingAtOnceAndListChoicesAtTheClose) {
  WriteIni(IniWith("2", "0", "max"));
  Start();
  HWND settings = OpenSettings();
  EXPECT_EQ(Text(settings), L"Настройки");
  EXPECT_TRUE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongW(settings, GWL_STYLE) &
               (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(settings, GW_OWNER), main_);
  EXPECT_FALSE(Enabled(main_));
  EXPECT_TRUE(WaitUntil([&] { return FocusId(settings) == pe; }));
  for (int id = re; id <= ge; ++id)
    EXPECT_EQ(Check(Item(settings, id)), id == re ? BST_INDETERMINATE : id == ne) << id;
  HWND display = Item(settings, de1), rate = Item(settings, fe);
  EXPECT_EQ(Text(display), L"В окне");
  EXPECT_EQ(Text(rate), L"Максимум");
  for (int id : {+de2, +ee, Label(1), Label(5), Label(3)})
    EXPECT_FALSE(Enabled(Item(settings, id)));

  // A box is stored when clicked; a greyed one keeps its 2 until then.
  Click(Item(settings, ge));
  EXPECT_TRUE(WaitIni(L"ge", L"1"));
  EXPECT_EQ(IniValue(L"re"), L"2");
  Click(Item(settings, re));
  EXPECT_TRUE(WaitIni(L"re", L"1"));
  EXPECT_EQ(Check(Item(settings, re)), BST_CHECKED);
  // Typing stores a whole entry at once, an unfinished one nothing.
  Type(display, L"800x6");
  Type(rate, L"Авто");
  EXPECT_EQ(IniValue(L"de"), L"0");
  EXPECT_EQ(IniValue(L"fe"), L"auto");
  Type(display, L"800x600");
  EXPECT_EQ(IniValue(L"de"), L"9");
  // A choice from the list waits for the close; a click after it is stored.
  Select(display, 0);
  Select(rate, 7);
  Click(Item(settings, pe));
  EXPECT_TRUE(WaitIni(L"pe", L"1"));
  EXPECT_EQ(IniValue(L"de"), L"9");
  EXPECT_EQ(IniValue(L"fe"), L"auto");

  // The keyboard: Tab walks the window in its order, Space toggles a box,
  // Enter on a box and Escape close nothing, Enter on "OK" closes.
  const int order[] = {fe, ze, ge,  ke, ne, je,       se,       ce,       qe,
                       ie, le, de1, we, re, Command2, Command1, Command3, pe};
  for (int id : order) {
    Key(settings, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusId(settings) == id; }, 3000)) << id;
  }
  Key(settings, VK_SPACE);
  EXPECT_TRUE(WaitIni(L"pe", L"0"));
  Key(settings, VK_RETURN);
  Key(settings, VK_ESCAPE);
  for (int i = 0; i < 15; ++i) Key(settings, VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusId(settings) == Command2; }));
  EXPECT_TRUE(Visible(settings));
  Key(settings, VK_RETURN);
  ASSERT_TRUE(Gone(settings));
  EXPECT_TRUE(WaitUntil([&] { return Enabled(main_); }));
  EXPECT_EQ(IniValue(L"de"), L"1");
  EXPECT_EQ(IniValue(L"fe"), L"60.0");

  // What is not in the lists shows the first texts, stored at the end of
  // the session and at the close box alike.
  WriteIni(IniWith("1", "14", "MAX"));
  settings = OpenSettings();
  EXPECT_EQ(Text(Item(settings, de1)), L"1024x768");
  EXPECT_EQ(Text(Item(settings, fe)), L"Авто");
  SendMessageW(settings, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadFile(IniPath()), IniWith("1", "11", "auto"));
  WriteIni(IniWith("1", "14", "MAX"));
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Gone(settings));
  EXPECT_EQ(IniValue(L"de"), L"11");
  EXPECT_EQ(IniValue(L"fe"), L"auto");
  CloseAndExpectExit();
  EXPECT_EQ(IniValue(L"ee"), std::nullopt) << "nothing is ever stored for the greyed lists";
}

TEST_F(Settings, FileBrokenByHandIsReportedAndNeverHalfShownOrStored) {
  WriteIni(IniWith("99999", "9", "max"));
  Start();
  const struct {
    std::string ini;
    const wchar_t* message;
  } cases[] = {
      {IniWith("99999", "9", "max"), L"Ошибка номер 6: Переполнение"},
      {IniWith("abc", "9", "max"), L"Ошибка номер 13: Несоответствие типа"},
      {IniWith("5", "9", "max"), L"Ошибка номер 380: Недопустимое значение свойства"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    WriteIni(c.ini);
    const Box box = Press(Main(main_ids::Command2));
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_EQ(box.text, c.message);
    for (HWND hwnd : TopWindows(pid_)) EXPECT_FALSE(GetDlgItem(hwnd, de1));
    Answer(box);
    EXPECT_EQ(ReadFile(IniPath()), c.ini);
  }
  WriteIni(IniWith("0", "9", "max"));
  EXPECT_EQ(Text(Item(OpenSettings(), de1)), L"800x600");
}

}  // namespace
}  // namespace vintrel::e2e
