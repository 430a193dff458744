#pragma once
// End-to-end driver: starts vintrel.exe from a fresh folder, finds its windows
// and controls from outside the process, and reads what a user would see.
//
// Waiting is always bounded polling (kStep apart, until a deadline); a wait
// that runs out throws Failure, which GoogleTest reports with its message.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "e2e_handles.h"

namespace vintrel::e2e {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;
inline constexpr Millis kDefaultTimeout{10000};
inline constexpr Millis kStep{20};

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view text);

// Polls `done` until it returns true or the timeout runs out; says which.
template <class Predicate>
bool WaitUntil(Predicate done, Millis timeout = kDefaultTimeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (done())
      return true;
    if (Clock::now() >= deadline)
      return false;
    Sleep(static_cast<DWORD>(kStep.count()));
  }
}

// ---- Files -----------------------------------------------------------------

std::filesystem::path ExeFolder();                         // folder of the running test program
std::string ReadBytes(const std::filesystem::path& file);  // throws if unreadable
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// One start of the stand-in player, as it logged it.
struct PlayerRecord {
  std::wstring commandLine;  // raw GetCommandLineW
  std::wstring workingFolder;
  std::vector<std::wstring> args;  // CommandLineToArgvW, args[0] is the program
};
std::vector<PlayerRecord> ParsePlayerLog(std::string_view utf8);

// A fresh copy of the program's folder for one test:
//   <build>/e2e-work/<Suite>.<Test>/<appFolder>/vintrel.exe
//                                              /vintrel.dll  (the stand-in player)
// Root() is the per-test folder; put test files there (or anywhere under it).
class TestFolder {
 public:
  // Recreates the per-test folder from scratch; appFolder may hold blanks,
  // Cyrillic letters and sub-folders.
  TestFolder(std::wstring_view testName, std::wstring_view appFolder = L"app");

  const std::filesystem::path& Root() const { return root_; }
  const std::filesystem::path& AppFolder() const { return app_; }
  std::filesystem::path Exe() const { return app_ / L"vintrel.exe"; }
  std::filesystem::path Player() const { return app_ / L"vintrel.dll"; }
  std::filesystem::path PlayerLog() const { return app_ / L"player.log"; }

  // Writes a file under Root() (creating folders) and returns its full path.
  std::filesystem::path AddFile(const std::filesystem::path& relative,
                                std::string_view bytes) const;

  std::vector<PlayerRecord> PlayerRecords() const;  // none when the log is absent
  // Waits until the log holds at least `count` records, then returns them all.
  std::vector<PlayerRecord> WaitForPlayerRecords(size_t count,
                                                 Millis timeout = kDefaultTimeout) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path app_;
};

// ---- Settings file and registry --------------------------------------------

// A complete, valid settings file as the program writes it: every box but
// "re", "ce" and "ie" cleared, "800x600", "Максимум". A play with it passes
// " /R /C /I100 /D9 /F".
inline constexpr std::string_view kValidIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=max\r\n";

std::filesystem::path IniPath();  // %WINDIR%\vintrel.ini
void DeleteIni();
std::string ReadIniBytes();  // throws if absent
void WriteIniBytes(std::string_view bytes);
// Text in the ANSI code page, which the profile functions use.
std::wstring ReadIniText();
void WriteIniText(std::wstring_view text);

// Deletes .bik and bik.video (with every sub-key) under HKEY_CLASSES_ROOT and
// HKEY_CURRENT_USER\Software\Classes.
void DeleteAssociationKeys();
bool KeyExists(HKEY root, std::wstring_view subKey);
// A string value (the default value for an empty name); nullopt when absent.
std::optional<std::wstring> ReadRegString(HKEY root, std::wstring_view subKey,
                                          std::wstring_view valueName = L"");

// ---- The program's process -------------------------------------------------

class App {
 public:
  // Starts `exe` with the command line "\"<exe>\" <arguments>" (just the
  // quoted path when arguments is empty), working folder = the exe's folder.
  static App Start(const std::filesystem::path& exe, std::wstring_view arguments = L"");
  // Starts with exactly this command line.
  static App StartRaw(const std::filesystem::path& exe, std::wstring commandLine);

  App(App&&) = default;
  App& operator=(App&&) = default;
  ~App();  // kills the process if it still runs

  DWORD Pid() const { return pid_; }
  HANDLE Process() const { return process_.get(); }
  bool IsRunning() const;
  std::optional<DWORD> WaitForExit(Millis timeout = kDefaultTimeout) const;
  void Kill();

  // The visible top-level window of this process that holds Command1.
  HWND WaitForMainWindow(Millis timeout = kDefaultTimeout) const;
  HWND FindMainWindow() const;

 private:
  App(UniqueHandle process, DWORD pid) : process_(std::move(process)), pid_(pid) {}
  UniqueHandle process_;
  DWORD pid_ = 0;
};

std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly = true);

// ---- Controls --------------------------------------------------------------

// SendMessageW that gives up after `timeout` (throwing Failure) instead of
// hanging the test when the program's thread is stuck or in a modal loop
// that does not answer.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
             Millis timeout = kDefaultTimeout);

HWND FindControl(HWND parent, int id);  // nullptr when absent
HWND Control(HWND parent, int id);      // throws when absent
std::wstring ClassName(HWND hwnd);
std::wstring Text(HWND hwnd);
void SetText(HWND hwnd, std::wstring_view text);
bool IsVisible(HWND hwnd);  // the window and all its parents are visible
bool IsEnabled(HWND hwnd);
int GetCheck(HWND button);    // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
void Click(HWND button);      // posted: returns at once, even if the click opens a modal box
void ClickSync(HWND button);  // sent: returns when the click handler has finished
void PostClose(HWND window);  // WM_CLOSE, posted
// Returns once the window's thread has handled what was posted to it before
// (or is pumping the modal loop of a box it shows).
inline void Sync(HWND window) {
  Send(window, WM_NULL);
}

HWND FocusedWindow(HWND window);    // focus of the window's thread (may be nullptr)
int FocusedControlId(HWND window);  // 0 when nothing has the focus

std::wstring ComboText(HWND combo);  // edit text, or the selected item's
int ComboSelection(HWND combo);
std::vector<std::wstring> ComboItems(HWND combo);
// Selects an item and tells the parent as a user's choice would (CBN_SELCHANGE).
void ComboSelect(HWND combo, int index);
// Types into a drop-down combo's edit field character by character, so the
// parent receives CBN_EDITCHANGE; replaceAll selects the old text first.
void TypeIntoCombo(HWND combo, std::wstring_view text, bool replaceAll = true);

std::vector<int> TabOrder(HWND top);     // ids, keyboard order starting with the first tab stop
std::vector<int> ChildIds(HWND parent);  // direct children, z-order
RECT ControlRectInClient(HWND hwnd);     // in the parent's client pixels

// Simple-mode text of a status bar (msctls_statusbar32) of another process.
std::wstring StatusText(HWND statusBar);

// ---- Message boxes and dialogs ---------------------------------------------

struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::wstring title;
  std::wstring text;
  std::vector<std::wstring> buttons;  // captions, in z-order
  std::vector<int> buttonIds;         // IDOK, IDYES, ... matching `buttons`
  bool hasIcon = false;               // the icon control shows a picture
  HICON icon = nullptr;               // STM_GETICON of the icon control
  HWND iconControl = nullptr;
};

std::optional<MessageBoxInfo> FindMessageBox(DWORD pid);
MessageBoxInfo WaitForMessageBox(DWORD pid, Millis timeout = kDefaultTimeout);
// Presses the button with this id (IDOK, IDYES...) without waiting for it.
void Answer(const MessageBoxInfo& box, int buttonId);
// Waits for the next message box, presses `buttonId`, waits for the box to
// go, and returns what it showed.
MessageBoxInfo AnswerNextMessageBox(DWORD pid, int buttonId = IDOK);
bool WaitForWindowGone(HWND hwnd, Millis timeout = kDefaultTimeout);

// The icon an icon-style static holds. Icon handles belong to one process
// under Wine, so two controls of the program show the same icon exactly when
// these handles are equal: compare the box's icon with PicBullsEye's.
HICON StaticIcon(HWND iconStatic);
// Whether the box's icon control shows, on screen, the same picture as
// `icon` (an icon of this process, e.g. a system icon) draws. Used where
// handles of two processes must be compared; waits up to `timeout` for a
// match, so a "no" costs the full timeout.
bool ShowsIcon(const MessageBoxInfo& box, HICON icon, Millis timeout = Millis{1000});
// The system icon IDI_HAND, IDI_ASTERISK... by handle (shared between
// processes on Windows) or else by picture (under Wine).
bool ShowsSystemIcon(const MessageBoxInfo& box, LPCWSTR systemIconId);
inline bool ShowsSystemStopIcon(const MessageBoxInfo& box) {
  return ShowsSystemIcon(box, IDI_HAND);
}

// Open-file dialog (class "#32770" with this title) of the process.
HWND WaitForOpenDialog(DWORD pid, std::wstring_view title, Millis timeout = kDefaultTimeout);
// Enters a full Windows path in the file-name field and confirms.
void ChooseFile(HWND dialog, std::wstring_view windowsPath);
void Cancel(HWND dialog);

// ---- Version information ---------------------------------------------------

struct VersionInfo {
  std::wstring companyName;
  std::wstring fileDescription;
  std::wstring fileVersionText;                        // the "FileVersion" string
  WORD major = 0, minor = 0, build = 0, revision = 0;  // the fixed file version
};
VersionInfo ReadVersionInfo(const std::filesystem::path& file);  // throws without one

}  // namespace vintrel::e2e
