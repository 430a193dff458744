// Start-up as a user meets it: the main window, the stored options loaded
// under the error trap, the recovery of a missing, broken or junk settings
// file, and the end of the program with its window.
#include "driver.h"

namespace vintrel::e2e {

using namespace main_ids;
using Startup = E2e;

// Every option a recovery writes, but the display size.
const std::string kRecoveredHead =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\n";

TEST_F(Startup, MainWindowShowsCaptionStatusAndFirstStateAndClosingEndsTheProgram) {
  Start();
  EXPECT_TRUE(WaitUntil([&] { return Status() == L"0  "; })) << Status();
  EXPECT_EQ(Text(main_), L"VINTREL ver 1.2.48  Vintrel Team");  // the exe's company name
  for (int id : {+kov, +PicBullsEye, +bikfile})
    EXPECT_EQ(IsWindowVisible(Main(id)) != FALSE, id == bikfile) << id;
  for (int id : kAudio) EXPECT_EQ(IsWindowEnabled(Main(id)) != FALSE, id == Label(12)) << id;

  // The keyboard starts on "Смотреть"; Tab walks the window and comes round.
  EXPECT_TRUE(WaitFocus(main_, Command1));
  for (int id : {Command2, bikfile, Command4, cmdAddFile, Command1}) {
    Key(main_, VK_TAB);
    EXPECT_TRUE(WaitFocus(main_, id)) << id;
  }
  CloseAndExpectExit();
  EXPECT_EQ(ReadFile(IniPath()), kIni) << "a clean start and close rewrite nothing";
}

// Each file is loaded at the start, perhaps shown in the settings window, and
// stored at the close; what the program does not own stays as it was.
TEST_F(Startup, MissingBrokenOrJunkSettingsAreRecoveredOrReportedAndNeverSpill) {
  std::string junk("\x00\xff\xfe\x01\r[\x80\x81=\x02\n\x7f==\r\n\x00\x00[ma", 22);
  for (int i = 0; i < 200; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  const std::string x300(300, 'x'),
      others = "note=" + x300 + "\r\n[other]\r\nkeep=" + x300 + "\r\n";
  std::string overflow(kIni), longRate = std::string(kIni) + others;
  overflow.replace(overflow.find("re=1"), 4, "re=99999");
  longRate.replace(longRate.find("fe=max"), 6, "fe=" + x300);
  std::string longRateStored = longRate;
  longRateStored.replace(longRateStored.find("fe=" + x300), 303, "fe=auto");
  const std::string longNumber = "[main]\r\nre=" + std::string(300, '1') + "\r\n" + others;
  const struct {
    std::string ini;  // "": no file
    std::wstring status;
    const wchar_t* display;       // shown in the settings window; nullptr: not opened
    std::string started, closed;  // the file after the start and the close; "" unchecked
  } cases[] = {
      {"", kRecovered, nullptr, kRecoveredHead + "ee=0\r\nde=11\r\n",
       kRecoveredHead + "ee=0\r\nde=11\r\nfe=auto\r\n"},
      // Every option is rewritten, the frame rate kept.
      {"[main]\r\nre=0\r\npe=1\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
       "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nde=\r\nfe=max\r\n",
       kRecovered, nullptr, kRecoveredHead + "de=11\r\nfe=max\r\nee=0\r\n", ""},
      // Nothing half-read is stored, at the start or at the close.
      {overflow, L"6  Переполнение", nullptr, overflow, overflow},
      {junk + "\r\n" + std::string(kIni), L"0  ", L"800x600", "", ""},
      {longRate, L"0  ", L"800x600", "", longRateStored},
      // Read cut to 254 digits: what it lost could have been anything.
      {longNumber, kRecovered, nullptr, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    fs::remove(IniPath());
    if (!c.ini.empty())
      WriteIni(c.ini);
    Start();
    EXPECT_TRUE(WaitUntil([&] { return Status() == c.status; })) << Status();
    EXPECT_EQ(c.started.empty() ? "" : ReadFile(IniPath()), c.started);
    if (c.display) {
      HWND settings = OpenSettings();
      EXPECT_EQ(Text(Item(settings, settings_ids::de1)), c.display);
      CloseWindow(settings);
    }
    CloseAndExpectExit();
    const std::string after = ReadFile(IniPath());
    EXPECT_EQ(c.closed.empty() ? "" : after, c.closed);
    EXPECT_EQ(c.ini.find("keep=") == std::string::npos,
              after.find("[other]\r\nkeep=" + x300 + "\r\n") == std::string::npos);
  }
}

}  // namespace vintrel::e2e
