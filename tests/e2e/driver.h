#pragma once
// End-to-end driver: starts vintrel.exe from a fresh folder of its own, works
// its controls from outside the process and reads what a user would see, the
// settings file, the registry and what the stand-in player was given.
// Every wait is bounded polling; a wait that runs out throws, and GoogleTest
// reports the message.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "about_dialog_ids.h"
#include "bik_maker.h"
#include "main_window_ids.h"
#include "settings_dialog_ids.h"
#include "ui/unique_handle.h"

namespace vintrel::e2e {

namespace fs = std::filesystem;
using Args = std::vector<std::wstring>;  // one start as CommandLineToArgvW splits it

std::string U8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);
bool WaitUntil(const std::function<bool()>& done, int ms = 10000);
void Require(bool ok, const std::string& what);  // throws std::runtime_error(what) if !ok

// ---- windows and controls of another process
std::vector<HWND> TopWindows(DWORD pid);
HWND WindowWith(DWORD pid, int controlId);  // waits for a top-level window holding it
HWND Item(HWND parent, int id);             // throws when absent
LRESULT Send(HWND hwnd, UINT message, WPARAM w = 0, LPARAM l = 0);  // throws if not answered
inline void Sync(HWND hwnd) {
  Send(hwnd, WM_NULL);
}  // what was posted before is handled
std::wstring Text(HWND hwnd);
void SetText(HWND hwnd, const std::wstring& text);
inline bool Enabled(HWND hwnd) {
  return IsWindowEnabled(hwnd) != FALSE;
}
inline bool Visible(HWND hwnd) {
  return IsWindowVisible(hwnd) != FALSE;
}
inline int Check(HWND button) {
  return static_cast<int>(Send(button, BM_GETCHECK));
}
inline void Click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}
bool Gone(HWND window);
int FocusId(HWND window);            // the child of `window` that holds the focus; 0 for none
void Key(HWND window, WORD vk);      // pressed and released on the focused control
void Select(HWND combo, int index);  // as a user's choice: CBN_SELCHANGE follows
void Type(HWND combo, const std::wstring& text);  // over the old text, key by key
std::vector<std::wstring> Items(HWND combo);
std::wstring StatusText(HWND statusBar);
std::vector<std::wstring> ListRows(HWND list);  // a list view's rows, "label\tvalue"
std::wstring ClipboardText();
HICON IconOf(HWND iconStatic);
int CountPixels(HWND hwnd, COLORREF color);  // on screen, inside the window

// ---- message boxes and the open dialog
struct Box {
  HWND hwnd = nullptr;
  std::wstring title, text;
  std::vector<int> buttons;
  HWND icon = nullptr;  // the icon control
};
std::optional<Box> FindBox(DWORD pid);
Box WaitBox(DWORD pid);
void Answer(const Box& box, int button = IDOK);  // and waits for the box to go
HWND OpenDialog(DWORD pid);  // "Откроем файл для просмотра..."
void Choose(HWND dialog, const fs::path& file);              // typed into the name field, then OK
inline constexpr int kFileTypes = 0x470, kFileName = 0x47C;  // cmb1 and cmb13 of the dialog

// ---- settings file (%WINDIR%\vintrel.ini) and registry
// Every box but re, ce and ie cleared, 800x600, maximum rate: " /R /C /I100 /D9 /F".
inline constexpr std::string_view kIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=max\r\n";
fs::path IniPath();
std::string ReadFile(const fs::path& file);  // "" when absent
void WriteIni(std::string_view bytes);
std::optional<std::wstring> IniValue(const wchar_t* key);
bool WaitIni(const wchar_t* key, const wchar_t* value);
std::optional<std::wstring> RegValue(const std::wstring& key, const wchar_t* name = L"");
bool KeyExists(const std::wstring& key);
void SetRegValue(const std::wstring& key, const std::wstring& value, const wchar_t* name = L"");
// Moves (or copies) a tree of HKEY_CLASSES_ROOT to another place of it.
void MoveTree(const std::wstring& from, const std::wstring& to, bool keepSource = false);
void DenyWrites(const std::wstring& key, bool deny);  // a key of HKEY_CLASSES_ROOT

// ---- the fixture every case shares: no settings file, no association, and a
// fresh copy of the program's folder with the stand-in player as vintrel.dll.
class E2e : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void UseAppFolder(const fs::path& relative);  // the program moves there
  fs::path Exe() const { return app_ / L"vintrel.exe"; }
  fs::path Add(const fs::path& relative, std::string_view bytes) const;
  fs::path AddBik(const fs::path& relative, const BikSpec& spec = {}) const {
    return Add(relative, BikBytes(spec));
  }

  // In the program's folder, or in `folder` as the shell starts it for a video.
  void Start(const std::wstring& arguments = L"", bool withWindow = true,
             const fs::path& folder = {});
  std::optional<DWORD> WaitExit(int ms = 10000) const;
  void CloseAndExpectExit();  // WM_CLOSE on the main window: ends with 0
  HWND Main(int id) const { return Item(main_, id); }
  std::wstring Status() const { return StatusText(Main(main_ids::Status)); }
  bool WaitStatus(const std::wstring& text) const;
  void Browse(const fs::path& file) const;  // through the real open dialog
  HWND OpenSettings() const;
  HWND OpenAbout() const;
  Box Press(HWND button) const;  // a click that brings up a box (left open)
  void Drop(const std::vector<std::wstring>& files) const;  // as the shell delivers it
  std::vector<Args> Plays(size_t atLeast = 0) const;        // starts of the stand-in player

  fs::path root_, app_;
  ui::UniqueKernelHandle process_;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

// A header with these fields (and one audio track when rate is not 0).
inline BikSpec Clip(uint32_t frames, uint32_t maxFrame, uint32_t width, uint32_t height,
                    uint32_t fpsNumerator, uint32_t fpsDenominator, uint16_t rate = 0,
                    uint16_t audioFlags = kBikStereo | kBikSixteenBit, uint32_t videoFlags = 0) {
  BikSpec spec;
  spec.frameCount = frames, spec.maxFrameSize = maxFrame, spec.width = width;
  spec.height = height, spec.fpsNumerator = fpsNumerator, spec.fpsDenominator = fpsDenominator;
  spec.videoFlags = videoFlags;
  if (rate)
    spec.tracks = {{rate, audioFlags, 4096}};
  return spec;
}

std::vector<Args> ReadCalls(const fs::path& log);
fs::path BinFolder();  // where the build put vintrel.exe, recorder.exe and the tests

}  // namespace vintrel::e2e
