// The program worked from the keyboard: Tab walks the main window in its
// order, Enter presses the focused button, the About window keeps the focus on
// "Ok", and letters press nothing, with Alt or without, as no caption marks an
// accelerator (the settings window's keys are among its own tests). Keys are
// posted to the focused control, so they go through the program's own message
// loop as typed keys do.
#include <gtest/gtest.h>

#include <vector>

#include "res/main_window_ids.h"
#include "res/about_dialog_ids.h"
#include "e2e_test.h"
#include "keyboard_driver.h"
#include "settings_driver.h"
#include "shell_driver.h"

namespace vintrel::e2e {
namespace {

namespace ids = main_ids;

class KeyboardTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    App& app = StartApp();
    pid_ = app.Pid();
    main_ = app.WaitForMainWindow();
    ASSERT_TRUE(HasFocus(main_, ids::Command1)) << "focus on " << FocusedControlId(main_);
  }

  static bool HasFocus(HWND window, int id) {
    return WaitUntil([&] { return FocusedControlId(window) == id; }, Millis{3000});
  }

  // Tab, and the focus lands on `id`.
  void ExpectTabTo(HWND window, int id) {
    PressKey(window, VK_TAB);
    EXPECT_TRUE(HasFocus(window, id))
        << "focus on " << FocusedControlId(window) << " instead of " << id;
  }

  // Gives a key that would open a window the time to do it, then says
  // whether the main window is still all there is.
  bool OnlyTheMainWindowAfterAWhile() const {
    Sleep(700);
    return TopLevelWindows(pid_) == std::vector<HWND>{main_};
  }

  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

TEST_F(KeyboardTest, TabWalksTheMainWindowInItsOrderAndComesBackRound) {
  for (int id : {ids::Command2, ids::bikfile, ids::Command4, ids::cmdAddFile, ids::Command1}) {
    ExpectTabTo(main_, id);
  }
}

// In the About window only "Ok" takes the focus; the labels stand in the
// order of their table, so Tab leaves the focus where it is.
TEST_F(KeyboardTest, EnterOnSpravkaOpensAboutWhereTabStaysOnOkAndEnterClosesIt) {
  for (int id : {ids::Command2, ids::bikfile, ids::Command4}) ExpectTabTo(main_, id);
  PressKey(main_, VK_RETURN);
  HWND about = WaitForWindowWithControl(pid_, about_ids::Command1);
  ASSERT_TRUE(HasFocus(about, about_ids::Command1));
  const std::vector<int> tableOrder = {about_ids::Label(1), about_ids::Label(5),
                                       about_ids::Label(6), about_ids::Label(3),
                                       about_ids::Label(2), about_ids::Command1};
  EXPECT_EQ(ChildIds(about), tableOrder);
  EXPECT_EQ(TabOrder(about), std::vector<int>{about_ids::Command1});
  PressKey(about, VK_TAB);
  Sleep(300);
  EXPECT_EQ(FocusedControlId(about), about_ids::Command1);

  PressKey(about, VK_RETURN);
  EXPECT_TRUE(WaitForWindowGone(about));
  // Back in the main window, on the button that opened it.
  EXPECT_TRUE(HasFocus(main_, ids::Command4)) << "focus on " << FocusedControlId(main_);
}

// Without a file, "Смотреть" would show a message; "Настройки", "Справка" and
// "Обзор" would open their windows. Keys are those of a Russian layout, in both
// cases: Wine matches a Cyrillic accelerator only in the case it was written in.
struct Letter {
  WORD key;
  wchar_t character;
};
constexpr Letter kInitials[] = {{'C', L'с'}, {'C', L'С'}, {'Y', L'н'},
                                {'Y', L'Н'}, {'J', L'о'}, {'J', L'О'}};

TEST_F(KeyboardTest, LettersPressNoButtonWithAltOrWithout) {
  for (const Letter& letter : kInitials) TypeAltLetter(main_, letter.key, letter.character);
  EXPECT_TRUE(OnlyTheMainWindowAfterAWhile());

  ExpectTabTo(main_, ids::Command2);  // a button, not the file field, takes the letters
  for (const Letter& letter : kInitials) TypeLetter(main_, letter.key, letter.character);
  EXPECT_TRUE(OnlyTheMainWindowAfterAWhile());
  EXPECT_EQ(FocusedControlId(main_), ids::Command2);
}

}  // namespace
}  // namespace vintrel::e2e
