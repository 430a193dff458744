// "Ассоциировать" and "Отвязаться" of the settings window, checked in the
// registry the shell reads, and through the shell opening a .bik file.
#include <gtest/gtest.h>

#include "app/main_window_ids.h"
#include "bik_maker.h"
#include "e2e_test.h"
#include "settings/settings_dialog_ids.h"
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

bool AnyTypeKeyLeft() {
  for (const wchar_t* key : {L"bik.video", L"bik.video\\DefaultIcon", L"bik.video\\shell",
                             L"bik.video\\shell\\open", L"bik.video\\shell\\open\\command"}) {
    if (KeyExists(HKEY_CLASSES_ROOT, key))
      return true;
  }
  return false;
}

std::string ValidBik() {
  BikSpec spec;
  spec.frameCount = 3;
  spec.width = 320;
  spec.height = 240;
  spec.fpsNumerator = 25;
  spec.fpsDenominator = 1;
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

class AssociationTest : public E2eTest {
 protected:
  // Starts the program and opens its settings window, as a user would.
  void OpenSettings() {
    App& app = StartApp();
    pid_ = app.Pid();
    HWND main = app.WaitForMainWindow();
    // Without a settings file the first start only reports its recovery.
    Click(Control(main, main_ids::Command2));
    settings_ = WaitForWindowWithControl(pid_, settings_ids::Command1);
  }

  // Presses a button of the settings window and returns the box it brings
  // up, closing the box.
  MessageBoxInfo Press(int buttonId) {
    Click(Control(settings_, buttonId));
    const MessageBoxInfo box = WaitForMessageBox(pid_);
    Answer(box, IDOK);
    EXPECT_TRUE(WaitForWindowGone(box.hwnd));
    return box;
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

  const std::filesystem::path video = Folder().AddFile(L"мой ролик.bik", ValidBik());
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
  EXPECT_FALSE(AnyTypeKeyLeft());
}

TEST_F(AssociationTest, RemovalLeavesWhatOtherProgramsKeepUnderBik) {
  OpenSettings();
  Press(settings_ids::Command1);
  WriteRegString(HKEY_CLASSES_ROOT, L".bik\\ShellNew", L"");

  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L".bik"), L"bik.video");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L".bik\\ShellNew"));
  EXPECT_FALSE(AnyTypeKeyLeft());
}

TEST_F(AssociationTest, RemovalSparesBikWhenAnotherProgramTookItOver) {
  OpenSettings();
  Press(settings_ids::Command1);
  WriteRegString(HKEY_CLASSES_ROOT, L".bik", L"OtherPlayer.Video");

  ExpectConfirmation(Press(settings_ids::Command3), kRemoved);
  EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, L".bik"), L"OtherPlayer.Video");
  EXPECT_FALSE(AnyTypeKeyLeft());
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
  EXPECT_FALSE(AnyTypeKeyLeft());
}

}  // namespace
}  // namespace vintrel::e2e
