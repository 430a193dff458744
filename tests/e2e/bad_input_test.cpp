// Input a careful user never gives and a real machine still produces: an
// over-long path, a locked file, and settings files that are junk, over-long
// or read-only. The program goes on, shows what it should and keeps what was
// stored. (A foreign .bik key is among the association's cases.)
#include "driver.h"

namespace vintrel::e2e {
namespace {

using namespace main_ids;
using BadInput = E2e;

constexpr wchar_t kRecovered[] = L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";

BikSpec Clip(uint32_t frames, uint16_t rate) {
  return e2e::Clip(frames, 4000, 320, 240, 25, 1, rate);
}

TEST_F(BadInput, PathLongerThan260CharactersIsShownAndPlayed) {
  std::wstring path = root_.wstring();
  for (int depth = 0; depth < 4; ++depth) {
    path += L"\\" + std::wstring(60, L'д') + std::to_wstring(depth);
    CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr);
  }
  path += L"\\long name.bik";
  ASSERT_TRUE(WriteFile(L"\\\\?\\" + path, BikBytes(Clip(333, 11025))));
  WriteIni(kIni);
  Start();
  // The open dialog of Wine 8 cannot take such a name: dropped, as from a file manager.
  Drop({path});
  ASSERT_TRUE(WaitUntil([&] { return Text(Main(bikfile)) == path; }));
  EXPECT_EQ(Text(Main(Label(6))), L"333");
  EXPECT_EQ(Text(Main(Label(13))), L"11025");
  Click(Main(Command1));
  EXPECT_EQ(Plays(1)[0].at(1), path);
  Start(L"\"" + path + L"\"", false);
  EXPECT_EQ(Plays(2)[1].at(1), path);
}

TEST_F(BadInput, FileHeldOpenWithoutSharingIsTakenSilentlyAndReadOnceFree) {
  const fs::path good = AddBik(L"good.bik", Clip(555, 22050));
  const fs::path locked = AddBik(L"locked.bik", Clip(666, 44100));
  WriteIni(kIni);
  Start();
  Browse(good);
  {
    const ui::UniqueFile holder(
        CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    Browse(locked);
    EXPECT_FALSE(FindBox(pid_));
    EXPECT_EQ(Text(Main(bikfile)), locked.wstring());
    EXPECT_EQ(Text(Main(Label(6))), L"555");
  }
  Browse(locked);
  EXPECT_EQ(Text(Main(Label(6))), L"666");
}

// Each file is loaded at the start, shown in the settings window, and stored
// at its close; what the program does not own stays as it was.
TEST_F(BadInput, JunkAndOverLongSettingsNeitherCrashNorSpill) {
  std::string junk("\x00\xff\xfe\x01\r[\x80\x81=\x02\n\x7f==\r\n\x00\x00[ma", 22);
  for (int i = 0; i < 200; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  const std::string x300(300, 'x');
  const std::string others = "note=" + x300 + "\r\n[other]\r\nkeep=" + x300 + "\r\n";
  std::string longRate = std::string(kIni) + others;
  longRate.replace(longRate.find("fe=max"), 6, "fe=" + x300);
  std::string longRateStored = longRate;
  longRateStored.replace(longRateStored.find("fe=" + x300), 303, "fe=auto");
  const std::string longNumber = "[main]\r\nre=" + std::string(300, '1') + "\r\n" + others;
  const struct {
    std::string ini;
    std::wstring status;
    const wchar_t* display;  // shown in the settings window; nullptr: not opened
    std::string closed;      // the file after the close; "" for unchecked
  } cases[] = {
      {junk + "\r\n" + std::string(kIni), L"0  ", L"800x600", ""},
      {junk, kRecovered, nullptr, ""},
      {longRate, L"0  ", L"800x600", longRateStored},
      // Read cut to 254 digits: what it lost could have been anything.
      {longNumber, kRecovered, nullptr, ""},
      {"[main]\r\nre=" + x300 + "\r\n" + others, kRecovered, L"1024x768", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(U8(c.status));
    WriteIni(c.ini);
    Start();
    EXPECT_TRUE(WaitStatus(c.status)) << U8(Status());
    if (c.display) {
      HWND settings = OpenSettings();
      EXPECT_EQ(Text(Item(settings, settings_ids::de1)), c.display);
      PostMessageW(settings, WM_CLOSE, 0, 0);
      ASSERT_TRUE(Gone(settings));
    }
    CloseAndExpectExit();
    const std::string after = ReadFile(IniPath());
    if (!c.closed.empty()) {
      EXPECT_EQ(after, c.closed);
    }
    if (c.ini.find("keep=") != std::string::npos) {
      EXPECT_NE(after.find("[other]\r\nkeep=" + x300 + "\r\n"), std::string::npos);
    }
  }
}

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
    EXPECT_TRUE(WaitStatus(status)) << U8(Status());
    if (status == L"0  ") {
      HWND settings = OpenSettings();
      Click(Item(settings, settings_ids::ge));
      EXPECT_TRUE(WaitUntil([&] { return Check(Item(settings, settings_ids::ge)) == 1; }));
      Select(Item(settings, settings_ids::de1), 0);
      Click(Item(settings, settings_ids::Command2));
      ASSERT_TRUE(Gone(settings));
      Browse(AddBik(L"clip.bik"));
      Click(Main(Command1));
      const Args played = Plays(1)[0];
      EXPECT_EQ(Args(played.begin() + 2, played.end()),
                (Args{L"/R", L"/C", L"/I100", L"/D9", L"/F"}))
          << "the file's options play";
    }
    EXPECT_FALSE(FindBox(pid_));
    CloseAndExpectExit();
    holder.reset();
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFile(IniPath()), ini);
  }
}

}  // namespace
}  // namespace vintrel::e2e
