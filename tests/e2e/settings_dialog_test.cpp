// The settings window "Настройки" as a user meets it: what it shows of the
// settings file, what each change writes and when, and how it closes.
#include <gtest/gtest.h>

#include "res/main_window_ids.h"
#include "e2e_test.h"
#include "res/settings_dialog_ids.h"
#include "settings_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = settings_ids;

// What the recovery leaves behind: no "fe" yet.
constexpr std::string_view kRecoveredIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\n";

// Every key the window reads, and no "ee": nothing but the recovery adds it.
std::string IniWith(std::string_view re, std::string_view de, std::string_view fe) {
  return "[main]\r\nre=" + std::string(re) +
         "\r\npe=0\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\nqe=0\r\n"
         "ie=0\r\nwe=0\r\nge=0\r\nde=" +
         std::string(de) + "\r\nfe=" + std::string(fe) + "\r\n";
}

class SettingsDialogTest : public E2eTest {
 protected:
  void Start(std::string_view ini) {
    WriteIniBytes(ini);
    app_ = &StartApp();
    main_ = app_->WaitForMainWindow();
  }
  HWND StartAndOpen(std::string_view ini) {
    Start(ini);
    return Open();
  }
  HWND Open() { return OpenSettingsWindow(app_->Pid(), main_); }
  void PressOk(HWND settings) {
    ClickSync(Control(settings, ids::Command2));
    ASSERT_TRUE(WaitForWindowGone(settings));
  }
  // A posted click on "pe", waited for in the file: whatever was posted to
  // the program before it has been handled too.
  void Barrier(HWND settings) {
    const bool wasChecked = GetCheck(Control(settings, ids::pe)) == BST_CHECKED;
    Click(Control(settings, ids::pe));
    ASSERT_TRUE(WaitForIniValue(L"pe", wasChecked ? L"0" : L"1"));
  }

  App* app_ = nullptr;
  HWND main_ = nullptr;
};

TEST_F(SettingsDialogTest, OpensModallyShowingTheFileAndStoresTheListsWhenClosed) {
  HWND settings = StartAndOpen(kRecoveredIni);

  EXPECT_EQ(Text(settings), L"Настройки");
  EXPECT_TRUE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongW(settings, GWL_STYLE) &
               (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(settings, GW_OWNER), main_);
  EXPECT_FALSE(IsEnabled(main_));
  EXPECT_TRUE(WaitUntil([&] { return FocusedChildId(settings) == ids::pe; }));
  for (int id = ids::re; id <= ids::ge; ++id) {
    const bool checked = id == ids::re || id == ids::ce;
    EXPECT_EQ(GetCheck(Control(settings, id)), checked ? BST_CHECKED : BST_UNCHECKED) << id;
  }
  EXPECT_EQ(ComboText(Control(settings, ids::de1)), L"1024x768");
  EXPECT_EQ(ComboText(Control(settings, ids::fe)), L"Авто");
  EXPECT_EQ(ComboItems(Control(settings, ids::de1)).back(), L"В окне");
  for (const int id : {+ids::de2, +ids::ee, ids::Label(1), ids::Label(5), ids::Label(3)}) {
    EXPECT_FALSE(IsEnabled(Control(settings, id))) << id;
  }

  PressOk(settings);
  EXPECT_TRUE(WaitUntil([&] { return IsEnabled(main_); }));
  EXPECT_EQ(ReadIniBytes(), std::string(kRecoveredIni) + "fe=auto\r\n");
}

TEST_F(SettingsDialogTest, StoredListValuesAreShownAndWrittenBackInTheirNormalForm) {
  const struct {
    const char *de, *fe;
    const wchar_t *display, *rate, *storedDe, *storedFe;
  } cases[] = {
      {"0", "max", L"В окне", L"Максимум", L"0", L"max"},
      // Not in the tables: the designed texts stay and are what gets stored.
      {"14", "MAX", L"1024x768", L"Авто", L"11", L"auto"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("de=") + c.de + " fe=" + c.fe);
    HWND settings = StartAndOpen(IniWith("1", c.de, c.fe));
    EXPECT_EQ(ComboText(Control(settings, ids::de1)), c.display);
    EXPECT_EQ(ComboText(Control(settings, ids::fe)), c.rate);
    PostClose(settings);
    ASSERT_TRUE(WaitForWindowGone(settings));
    EXPECT_EQ(IniValue(L"de"), c.storedDe);
    EXPECT_EQ(IniValue(L"fe"), c.storedFe);
  }
}

TEST_F(SettingsDialogTest, BoxesAreStoredAtOnceAndAGreyedOneKeepsItsTwo) {
  HWND settings = StartAndOpen(IniWith("2", "9", "25.0"));
  EXPECT_EQ(GetCheck(Control(settings, ids::re)), BST_INDETERMINATE);
  HWND ge = Control(settings, ids::ge);
  ClickSync(ge);
  EXPECT_EQ(IniValue(L"ge"), L"1") << "written while the window is open";
  ClickSync(ge);
  EXPECT_EQ(IniValue(L"ge"), L"0");
  ClickSync(ge);

  // The close box keeps every change, and a fresh window reads them back.
  PostClose(settings);
  ASSERT_TRUE(WaitForWindowGone(settings));
  EXPECT_EQ(IniValue(L"re"), L"2");
  settings = Open();
  EXPECT_EQ(GetCheck(Control(settings, ids::ge)), BST_CHECKED);
  HWND re = Control(settings, ids::re);
  EXPECT_EQ(GetCheck(re), BST_INDETERMINATE);
  ClickSync(re);
  EXPECT_EQ(GetCheck(re), BST_CHECKED);
  EXPECT_EQ(IniValue(L"re"), L"1");

  PressOk(settings);
  PostClose(main_);
  ASSERT_TRUE(app_->WaitForExit().has_value());
  const std::set<std::wstring> keys = {L"re", L"pe", L"ce", L"ne", L"je", L"ze", L"ke", L"le",
                                       L"se", L"qe", L"ie", L"we", L"ge", L"de", L"fe"};
  EXPECT_EQ(IniKeys(), keys) << "nothing is ever stored for de2 or ee";
}

TEST_F(SettingsDialogTest, TypedTextIsStoredOnceItIsAnEntryAndAChoiceWaitsForTheClose) {
  HWND settings = StartAndOpen(IniWith("1", "11", "auto"));
  HWND de1 = Control(settings, ids::de1);
  HWND fe = Control(settings, ids::fe);

  TypeIntoCombo(de1, L"В окне");
  EXPECT_EQ(IniValue(L"de"), L"0");
  TypeIntoCombo(de1, L"800x6");
  EXPECT_EQ(IniValue(L"de"), L"0") << "an unfinished entry stores nothing";
  TypeIntoCombo(fe, L"Максимум");
  EXPECT_EQ(IniValue(L"fe"), L"max");

  ComboSelect(de1, 8);  // "800x600"
  ComboSelect(fe, 7);   // "60.0"
  Barrier(settings);
  EXPECT_EQ(IniValue(L"de"), L"0");
  EXPECT_EQ(IniValue(L"fe"), L"max");
  PressOk(settings);
  EXPECT_EQ(IniValue(L"fe"), L"60.0");
  EXPECT_EQ(IniValue(L"de"), L"9");
}

TEST_F(SettingsDialogTest, AFileBrokenByHandIsReportedAndNeverHalfShownOrStored) {
  // Start-up stops at an overflow; the window it loaded holds designed
  // values, so the button reads the file again instead of showing them.
  Start(IniWith("99999", "9", "max"));
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
    WriteIniBytes(c.ini);
    Click(Control(main_, main_ids::Command2));
    const MessageBoxInfo box = AnswerNextMessageBox(app_->Pid());
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_EQ(box.text, c.message);
    for (HWND hwnd : TopLevelWindows(app_->Pid())) EXPECT_EQ(GetDlgItem(hwnd, ids::de1), nullptr);
    EXPECT_EQ(ReadIniBytes(), c.ini);
  }

  WriteIniBytes(IniWith("0", "9", "max"));
  HWND settings = Open();
  EXPECT_EQ(ComboText(Control(settings, ids::de1)), L"800x600");
}

TEST_F(SettingsDialogTest, KeyboardFollowsTheDesignedTabOrderAndSpaceAndEnterWork) {
  HWND settings = StartAndOpen(IniWith("0", "11", "auto"));
  ASSERT_TRUE(WaitUntil([&] { return FocusedChildId(settings) == ids::pe; }));

  const std::vector<int> expected = {ids::fe,       ids::ze,       ids::ge, ids::ke, ids::ne,
                                     ids::je,       ids::se,       ids::ce, ids::qe, ids::ie,
                                     ids::le,       ids::de1,      ids::we, ids::re, ids::Command2,
                                     ids::Command1, ids::Command3, ids::pe};
  std::vector<int> reached;
  for (size_t i = 0; i < expected.size(); ++i) {
    const int before = FocusedChildId(settings);
    PressKey(settings, VK_TAB);
    if (!WaitUntil([&] { return FocusedChildId(settings) != before; }))
      break;
    reached.push_back(FocusedChildId(settings));
  }
  EXPECT_EQ(reached, expected);

  PressKey(settings, VK_SPACE);
  EXPECT_TRUE(WaitForIniValue(L"pe", L"1"));
  // No default or cancel button: Enter on a box and Escape leave it open.
  PressKey(settings, VK_RETURN);
  PressKey(settings, VK_ESCAPE);
  Barrier(settings);
  EXPECT_TRUE(IsVisible(settings));

  for (int i = 0; i < 15; ++i) PressKey(settings, VK_TAB);  // to "OK"
  ASSERT_TRUE(WaitUntil([&] { return FocusedChildId(settings) == ids::Command2; }));
  PressKey(settings, VK_RETURN);
  EXPECT_TRUE(WaitForWindowGone(settings));
}

}  // namespace
}  // namespace vintrel::e2e
