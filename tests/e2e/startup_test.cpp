// Start-up as a user meets it: the main window, the stored options loaded
// under the error trap, the recovery of a missing or broken settings file,
// and the end of the program with its window.
#include "driver.h"

namespace vintrel::e2e {
namespace {

using namespace main_ids;
using Startup = E2e;

constexpr wchar_t kRecovered[] = L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";
// What every recovery writes; the frame rate only comes with the close.
const std::string kRecoveredIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\n";

std::wstring CompanyOf(const fs::path& exe) {
  DWORD ignored = 0;
  std::vector<char> data(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data());
  WORD* language = nullptr;
  wchar_t* company = nullptr;
  UINT size = 0;
  VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&language),
                 &size);
  Require(language, "the program has no version information");
  wchar_t query[64];
  swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\CompanyName", language[0], language[1]);
  VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&company), &size);
  return company ? company : L"";
}

TEST_F(Startup, MainWindowShowsCaptionStatusAndFirstStateAndClosingEndsTheProgram) {
  WriteIni(kIni);
  Start();
  EXPECT_TRUE(WaitStatus(L"0  ")) << U8(Status());
  const std::wstring company = CompanyOf(Exe());
  EXPECT_FALSE(company.empty());
  EXPECT_EQ(Text(main_), L"VINTREL ver 1.2.48  " + company);
  EXPECT_FALSE(Visible(Main(kov)));
  EXPECT_EQ(Text(Main(kov)), L"\"");
  EXPECT_FALSE(Visible(Main(PicBullsEye)));
  EXPECT_TRUE(Visible(Main(bikfile)));
  EXPECT_EQ(Text(Main(bikfile)), L"");
  for (int id :
       {+Frame2, Label(3), Label(10), Label(9), Label(11), Label(16), Label(13), Label(17)})
    EXPECT_FALSE(Enabled(Main(id))) << id;
  EXPECT_TRUE(Enabled(Main(Label(12))));

  // The keyboard starts on "Смотреть"; Tab walks the window and comes round.
  EXPECT_TRUE(WaitUntil([&] { return FocusId(main_) == Command1; }));
  for (int id : {Command2, bikfile, Command4, cmdAddFile, Command1}) {
    Key(main_, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusId(main_) == id; }, 3000)) << id;
  }
  CloseAndExpectExit();
  EXPECT_EQ(ReadFile(IniPath()), kIni) << "a clean start and close rewrite nothing";
}

TEST_F(Startup, MissingOrBrokenSettingsAreRecoveredOrReported) {
  std::string overflow(kIni);
  overflow.replace(overflow.find("re=1"), 4, "re=99999");
  const std::string emptyDisplay =
      "[main]\r\nre=0\r\npe=1\r\nce=0\r\nne=1\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nde=\r\nfe=max\r\n";
  std::string kRecoveredWithRate = kRecoveredIni + "fe=max\r\nee=0\r\n";
  kRecoveredWithRate.erase(kRecoveredWithRate.find("ee=0"), 6);
  const struct {
    std::string ini;
    std::wstring status;
    std::string started, closed;
  } cases[] = {
      {"", kRecovered, kRecoveredIni, kRecoveredIni + "fe=auto\r\n"},
      // Every option is rewritten, the frame rate kept.
      {emptyDisplay, kRecovered, kRecoveredWithRate, ""},
      // Nothing half-read is stored, at the start or at the close.
      {overflow, L"6  Переполнение", overflow, overflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    fs::remove(IniPath());
    if (!c.ini.empty())
      WriteIni(c.ini);
    Start();
    EXPECT_TRUE(WaitStatus(c.status)) << U8(Status());
    EXPECT_EQ(ReadFile(IniPath()), c.started);
    CloseAndExpectExit();
    if (!c.closed.empty()) {
      EXPECT_EQ(ReadFile(IniPath()), c.closed);
    }
  }
}

}  // namespace
}  // namespace vintrel::e2e
