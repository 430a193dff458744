// Input a careful user never gives and a real machine still produces: here a
// read-only settings file. The program goes on, shows what it should and
// keeps what was stored. (Junk settings files are among the start-up's
// cases, a locked file and an over-long path among the browsing's, a foreign
// .bik key among the association's.)
#include "driver.h"

namespace vintrel::e2e {

using namespace main_ids;
using BadInput = E2e;

// Read-only, and held open so that Wine run as root is refused too; held
// without sharing, it cannot even be read, and is no reason for a recovery.
TEST_F(BadInput, ReadOnlyOrLockedSettingsFileIsLeftAsItWas) {
  const std::tuple<std::string, DWORD, std::wstring> cases[] = {
      {std::string(kIni), FILE_SHARE_READ, L"0  "},
      {"[main]\r\nre=yes\r\n", FILE_SHARE_READ, kRecovered},
      {std::string(kIni), 0, L"70  Файл настроек занят или недоступен: " + IniPath().wstring()},
  };
  for (const auto& [ini, share, status] : cases) {
    SCOPED_TRACE(ini);
    WriteIni(ini);
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    ui::UniqueFile holder(
        CreateFileW(IniPath().c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
    Start();
    EXPECT_TRUE(WaitUntil([&] { return Status() == status; })) << Status();
    if (status == L"0  ") {
      HWND settings = OpenSettings();
      Click(Item(settings, settings_ids::ge));
      EXPECT_TRUE(WaitUntil([&] { return Send(Item(settings, settings_ids::ge), BM_GETCHECK); }));
      Select(Item(settings, settings_ids::de1), 0);
      Click(Item(settings, settings_ids::Command2));
      ASSERT_TRUE(Gone(settings));
      const fs::path clip = AddBik(L"clip.bik");
      Browse(clip);
      Click(Main(Command1));
      EXPECT_EQ(Plays(1)[0], PlayerArgs(clip)) << "the file's options play";
    }
    EXPECT_FALSE(FindBox(pid_));
    CloseAndExpectExit();
    holder.reset();
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFile(IniPath()), ini);
  }
}

}  // namespace vintrel::e2e
