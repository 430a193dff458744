// "Ассоциировать" and "Отвязаться" of the settings window, checked in the
// registry the shell reads, and through the shell opening a .bik file.
#include <gtest/gtest.h>

#include "bik_maker.h"
#include "e2e_test.h"
#include "res/settings_dialog_ids.h"
#include "settings_driver.h"
#include "shell_driver.h"

namespace vintrel::e2e {
namespace {

constexpr wchar_t kRegistered[] = L"Программа ассоциирована с файлами расширения *.bik";
constexpr wchar_t kRemoved[] = L"Программа больше не связана с файлами расширения *.bik";

struct Association {
  std::optional<std::wstring> extension, type, icon, command;
  bool operator==(const Association&) const = default;
};

void PrintTo(const Association& a, std::ostream* out) {
  const auto show = [](const std::optional<std::wstring>& v) {
    return v ? "\"" + ToUtf8(*v) + "\"" : std::string("(absent)");
  };
  *out << "{.bik=" << show(a.extension) << ", bik.video=" << show(a.type)
       << ", DefaultIcon=" << show(a.icon) << ", command=" << show(a.command) << "}";
}

Association ReadAssociation() {
  return {ReadRegString(HKEY_CLASSES_ROOT, L".bik"), ReadRegString(HKEY_CLASSES_ROOT, L"bik.video"),
          ReadRegString(HKEY_CLASSES_ROOT, L"bik.video\\DefaultIcon"),
          ReadRegString(HKEY_CLASSES_ROOT, L"bik.video\\shell\\open\\command")};
}

class AssociationTest : public E2eTest {
 protected:
  // Starts the program and opens its settings window, as a user would.
  // Without a settings file the first start only reports its recovery.
  void OpenSettings() {
    App& app = StartApp();
    pid_ = app.Pid();
    settings_ = OpenSettingsWindow(pid_, app.WaitForMainWindow());
  }

  // Presses a button of the settings window and returns the box it brings
  // up, closing the box.
  MessageBoxInfo Press(int buttonId) {
    Click(Control(settings_, buttonId));
    return AnswerNextMessageBox(pid_);
  }

  void ExpectConfirmation(const MessageBoxInfo& box, const wchar_t* text) {
    EXPECT_EQ(box.title, L"Интеграция");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
  }

  // What registration writes for the program of Folder().
  Association Expected() const {
    const std::wstring program = Folder().Exe().wstring();
    return {L"bik.video", L"bik video file", program + L",0", L"\"" + program + L"\" \"%1\""};
  }

  DWORD pid_ = 0;
  HWND settings_ = nullptr;
};

// A folder with a blank is where an unquoted command would start the wrong
// program, so the whole round trip runs from one.
TEST_F(AssociationTest, RegisteredTwiceTheShellOpensBikFilesWithTheProgram) {
  UseAppFolder(L"Program Files\\Видео плеер");
  OpenSettings();

  ExpectConfirmation(Press(settings_ids::Command1), kRegistered);
  EXPECT_EQ(ReadAssociation(), Expected());
  ExpectConfirmation(Press(settings_ids::Command1), kRegistered);
  EXPECT_EQ(ReadAssociation(), Expected());

  const std::filesystem::path video = Folder().AddFile(L"мой ролик.bik", BikBytes({}));
  const UniqueHandle opened = ShellOpen(video);
  const std::vector<PlayerRecord> plays = Folder().WaitForPlayerRecords(1);
  ASSERT_EQ(plays.size(), 1u);
  ASSERT_GE(plays[0].args.size(), 2u) << ToUtf8(plays[0].commandLine);
  EXPECT_EQ(std::filesystem::path(plays[0].args[0]), Folder().Player());
  EXPECT_EQ(plays[0].args[1], video.wstring());
  EXPECT_EQ(WaitForSingleObject(opened.get(), 10000), WAIT_OBJECT_0)
      << "the program started by the shell did not end by itself";
}

TEST_F(AssociationTest, RemovalConfirmsAlsoWhenNothingWasRegistered) {
  OpenSettings();
  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  EXPECT_EQ(ReadAssociation(), Association{});

  Press(settings_ids::Command1);
  ASSERT_EQ(ReadAssociation(), Expected());
  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".bik"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"bik.video"));
}

TEST_F(AssociationTest, RemovalLeavesWhatOtherProgramsKeepUnderBik) {
  OpenSettings();
  Press(settings_ids::Command1);
  WriteRegString(HKEY_CLASSES_ROOT, L".bik\\ShellNew", L"");

  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L".bik"), L"bik.video");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L".bik\\ShellNew"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"bik.video"));
}

// Another program's registration is not ours to remove: not when it owned
// ".bik" before the program was ever linked, nor when it took ".bik" over
// after that.
TEST_F(AssociationTest, RemovalLeavesAnotherProgramsRegistrationWhole) {
  const std::wstring otherCommand = L"\"C:\\Other\\player.exe\" \"%1\"";
  WriteRegString(HKEY_CLASSES_ROOT, L".bik", L"OtherPlayer.Video");
  WriteRegString(HKEY_CLASSES_ROOT, L".bik\\OpenWithProgids", L"");
  WriteRegString(HKEY_CLASSES_ROOT, L"OtherPlayer.Video\\shell\\open\\command", otherCommand);
  OpenSettings();
  const auto expectOthersWhole = [&] {
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L".bik"), L"OtherPlayer.Video");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L".bik\\OpenWithProgids"));
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L"OtherPlayer.Video\\shell\\open\\command"),
              otherCommand);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"bik.video"));
  };
  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  expectOthersWhole();

  Press(settings_ids::Command1);
  WriteRegString(HKEY_CLASSES_ROOT, L".bik", L"OtherPlayer.Video");
  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  expectOthersWhole();
  // The other program's type is its own business: tidy up after the case.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"OtherPlayer.Video");
}

TEST_F(AssociationTest, ARefusedWriteIsReportedInsteadOfConfirmed) {
  const RefusingKey refusing(L".bik", KEY_SET_VALUE);
  OpenSettings();

  const MessageBoxInfo box = Press(settings_ids::Command1);
  EXPECT_EQ(box.title, L"Ошибка!");
  EXPECT_NE(box.text.find(L"не ассоциирована"), std::wstring::npos) << ToUtf8(box.text);
  EXPECT_NE(box.text.find(L"HKEY_CLASSES_ROOT\\.bik"), std::wstring::npos) << ToUtf8(box.text);
  EXPECT_NE(box.text.find(L"(5)"), std::wstring::npos) << ToUtf8(box.text);
  // The first failure ends the registration: nothing half made beyond it.
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"bik.video"));
}

}  // namespace
}  // namespace vintrel::e2e
