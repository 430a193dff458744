// Input a careful user never gives and a real machine still produces: a
// missing, broken, junk, read-only or locked settings file. The program
// starts, recovers or reports, and never spills what it half read or what it
// does not own. (A locked video, an over-long path and a pipe are among the
// files' cases, a foreign .bik key among the association rules'.)
#include "driver.h"

namespace vintrel::e2e {

using namespace settings_ids;
using BadInput = E2e;

// What a recovery writes at the start; the close adds the frame rate.
const std::string kRecoveredFile =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\n";

// Read-only files are held open so that Wine run as root is refused too; one
// held without sharing cannot even be read, and is no reason for a recovery.
// A value that stops the load is mended only at the user's word, asked when
// a button needs the options, and only where the file can be written.
TEST_F(BadInput, SettingsFileIsRecoveredOrReportedAndNeverSpills) {
  const std::string x300(300, 'x'), ini(kIni),
      others = "note=" + x300 + "\r\n[other]\r\nkeep=" + x300 + "\r\n",
      overflow = std::string(kIni).replace(kIni.find("re=1"), 4, "re=99999"),
      greyless = std::string(kIni).replace(kIni.find("re=1"), 4, "re=5"),
      longNumber = "[main]\r\nre=" + std::string(300, '1') + "\r\n" + others;
  const struct {
    std::string ini;             // "": no file
    std::optional<DWORD> share;  // read-only and held open with this sharing
    std::wstring status;
    const wchar_t* display;  // shown in the settings window; nullptr: not opened
    std::string closed;      // the file after the close; "" unchecked
    int answer = 0;  // to the box "Настройки" brings after the start; 0: not pressed
    std::wstring box = {};  // a part of that box's text
  } cases[] = {
      {"", {}, kRecovered, nullptr, kRecoveredFile + "fe=auto\r\n"},
      // Nothing half-read is shown or stored, at the start or at the close,
      // unless the user has the usual settings written.
      {overflow, std::nullopt, L"6  Переполнение", nullptr, overflow, IDNO,
       L"«re» из файла настроек " + IniPath().wstring() + L".\nОшибка номер 6: Переполнение"},
      {greyless, std::nullopt, L"380  Недопустимое значение свойства", L"1024x768",
       kRecoveredFile + "fe=max\r\n", IDYES, L"Ошибка номер 380: Недопустимое значение свойства"},
      // Read cut to 254 digits: what it lost could have been anything.
      {longNumber, {}, kRecovered, nullptr, ""},
      // A session of changes that cannot be stored: the file's options play.
      {ini, FILE_SHARE_READ, L"0  ", L"800x600", ini},
      // Nothing can be written, so nothing is offered.
      {"[main]\r\nre=yes\r\n", FILE_SHARE_READ, kRecovered, nullptr, "[main]\r\nre=yes\r\n", IDOK,
       L"Ошибка номер 13: Несоответствие типа"},
      {ini, 0, L"70  Файл настроек занят или недоступен: " + IniPath().wstring(), nullptr, ini,
       IDOK, L"Ошибка номер 70: Файл настроек занят"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    fs::remove(IniPath());
    if (!c.ini.empty())
      WriteIni(c.ini);
    const bool locked = c.share.has_value();
    SetFileAttributesW(IniPath().c_str(), locked ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    win::UniqueFile holder(locked ? CreateFileW(IniPath().c_str(), GENERIC_READ, *c.share, nullptr,
                                                OPEN_EXISTING, 0, nullptr)
                                  : INVALID_HANDLE_VALUE);
    Start();
    EXPECT_TRUE(WaitUntil([&] { return Status() == c.status; })) << Status();
    if (c.answer) {
      const Box box = Press(Main(main_ids::settingsButton));
      EXPECT_EQ(box.title, L"Ошибка!");
      EXPECT_NE(box.text.find(c.box), std::wstring::npos) << box.text;
      EXPECT_EQ(box.buttons, (c.answer == IDOK ? std::vector{IDOK} : std::vector{IDYES, IDNO}));
      Answer(box, c.answer);
      Send(main_, WM_NULL);
      EXPECT_TRUE(c.answer != IDNO || IsWindowEnabled(main_)) << "no settings window opened";
    }
    if (c.display) {
      HWND settings = c.answer == IDYES ? WindowWith(pid_, displayModeList) : OpenSettings();
      EXPECT_EQ(Text(Item(settings, displayModeList)), c.display);
      if (locked)
        Click(Item(settings, noBufferBox)), Select(Item(settings, displayModeList), 0);
      CloseWindow(settings);
      if (locked) {
        const fs::path clip = AddBik(L"clip.bik");
        Browse(clip);
        Click(Main(main_ids::playButton));
        EXPECT_EQ(Plays(1)[0], PlayerArgs(clip)) << "the file's options play";
      }
    }
    EXPECT_FALSE(WindowOf(pid_, IsBox));
    CloseAndExpectExit();
    holder.reset();
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string after = ReadFile(IniPath());
    EXPECT_EQ(c.closed.empty() ? "" : after, c.closed);
    EXPECT_EQ(c.ini.find("keep=") == std::string::npos,
              after.find("[other]\r\nkeep=" + x300 + "\r\n") == std::string::npos);
  }
}

}  // namespace vintrel::e2e
