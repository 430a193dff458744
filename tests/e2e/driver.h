#pragma once
// End-to-end driver: starts vintrel.exe from a fresh folder of its own, works
// its controls from outside the process and reads what a user would see, the
// settings file, the registry and what the stand-in player was given.
// Every wait is bounded polling; a wait that runs out throws, and GoogleTest
// reports the message.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <sddl.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "about_dialog_ids.h"
#include "bik_maker.h"
#include "details_window_ids.h"
#include "main_window_ids.h"
#include "resource_ids.h"
#include "settings_dialog_ids.h"
#include "win/unique_handle.h"

namespace vintrel::e2e {

namespace fs = std::filesystem;
using Args = std::vector<std::wstring>;  // one start as CommandLineToArgvW splits it

// Every box but re, ce and ie cleared, 800x600, maximum rate: " /R /C /I100 /D9 /F".
inline constexpr std::string_view kIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=1\r\nwe=0\r\nge=0\r\nee=0\r\nde=9\r\nfe=max\r\n";

// The status after a recovery of the settings file.
inline constexpr wchar_t kRecovered[] =
    L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа";

// The "Звук" frame and what it holds.
inline constexpr int kAudio[] = {
    main_ids::audioGroup,      main_ids::audioFormatLabel, main_ids::sampleBitsValue,
    main_ids::sampleBitsUnit,  main_ids::channelsLabel,    main_ids::channelsValue,
    main_ids::sampleRateLabel, main_ids::sampleRateValue,  main_ids::sampleRateUnit};
// Below HKEY_CURRENT_USER: the app a user chose for .bik files with "Always".
inline constexpr wchar_t kUserChoice[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.bik\\UserChoice";
inline constexpr int kFileTypes = 0x470, kFileName = 0x47C;  // cmb1 and cmb13 of the open dialog

struct Box {  // a message box
  HWND hwnd = nullptr;
  std::wstring title, text;
  std::vector<int> buttons;
  HWND icon = nullptr;  // the icon control
};

// A header with these fields (and one audio track when rate is not 0).
inline BikSpec Clip(uint32_t frames, uint32_t maxFrame, uint32_t width, uint32_t height,
                    uint32_t fpsNumerator, uint32_t fpsDenominator, uint16_t rate = 0) {
  BikSpec spec;
  spec.frameCount = frames, spec.maxFrameSize = maxFrame, spec.width = width, spec.height = height;
  spec.fpsNumerator = fpsNumerator, spec.fpsDenominator = fpsDenominator;
  if (rate)
    spec.tracks = {{rate, kBikStereo | kBikSixteenBit, 4096}};
  return spec;
}

// The fixture every case shares: the settings file kIni, no association, and
// a fresh copy of the program's folder with the stand-in player as vintrel.dll.
class E2e : public ::testing::Test {
 protected:
  static bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
      if (GetTickCount() - start > static_cast<DWORD>(ms))
        return false;
    return true;
  }
  template <typename T>
  static T Require(T ok, const std::string& what) {  // passes `ok` on
    if (!ok)
      throw std::runtime_error(what);
    return ok;
  }

  // ---- windows and controls of another process

  // The program's first visible top-level window that `wanted` accepts.
  static HWND WindowOf(DWORD pid, const std::function<bool(HWND)>& wanted) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
      DWORD owner = 0;  // a window that goes meanwhile may end the walk: callers poll
      GetWindowThreadProcessId(hwnd, &owner);
      if (owner == pid && IsWindowVisible(hwnd) && wanted(hwnd))
        return hwnd;
    }
    return nullptr;
  }
  static HWND WaitWindow(DWORD pid, const std::function<bool(HWND)>& wanted) {
    HWND found = nullptr;
    Require(WaitUntil([&] { return (found = WindowOf(pid, wanted)) != nullptr; }), "no window");
    return found;
  }
  static HWND WindowWith(DWORD pid, int controlId) {  // holding that control
    return WaitWindow(pid, [&](HWND hwnd) { return GetDlgItem(hwnd, controlId) != nullptr; });
  }
  static HWND Item(HWND parent, int id) { return Require(GetDlgItem(parent, id), "no control"); }
  // Throws if the window does not answer.
  static LRESULT Send(HWND hwnd, UINT message, WPARAM w = 0, LPARAM l = 0) {
    DWORD_PTR result = 0;
    Require(SendMessageTimeoutW(hwnd, message, w, l, SMTO_NORMAL, 10000, &result),
            "a message got no answer");
    return static_cast<LRESULT>(result);
  }
  static std::wstring Text(HWND hwnd) {
    std::wstring text(Send(hwnd, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
  }
  static void SetText(HWND hwnd, const std::wstring& text) {
    Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
  }
  static void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
  static bool Gone(HWND window) {
    return WaitUntil([=] { return !IsWindowVisible(window); });
  }
  static HWND Focus(HWND window) {  // in the window's thread
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }
  // Waits for the child `id` of `window` (or a control inside it) to hold the focus.
  static bool WaitFocus(HWND window, int id) {
    return WaitUntil([&] {
      HWND focus = Focus(window);
      while (focus && GetParent(focus) != window) focus = GetParent(focus);
      return focus && GetDlgCtrlID(focus) == id;
    });
  }
  // Pressed and released on the focused control.
  static void Key(HWND window, WORD vk) {
    HWND focus = nullptr;  // a window just shown may not have given it yet
    Require(WaitUntil([&] { return (focus = Focus(window)) != nullptr; }), "no keyboard focus");
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, vk, 1 | scan);
    PostMessageW(focus, WM_KEYUP, vk, 1 | scan | (LPARAM{3} << 30));
  }
  // As a user's choice: CBN_SELCHANGE follows.
  static void Select(HWND combo, int index) {
    Require(Send(combo, CB_SETCURSEL, index) == index, "no list item " + std::to_string(index));
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  }
  // Over the old text, key by key.
  static void Type(HWND combo, const std::wstring& text) {
    HWND edit = Require(FindWindowExW(combo, nullptr, L"Edit", nullptr), "no edit field");
    Send(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : text) Send(edit, WM_CHAR, c, 1);
  }
  static std::vector<std::wstring> Items(HWND combo) {
    std::vector<std::wstring> items;
    for (LRESULT i = 0, n = Send(combo, CB_GETCOUNT); i < n; ++i) {
      std::wstring text(Send(combo, CB_GETLBTEXTLEN, i) + 1, L'\0');
      text.resize(Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())));
      items.push_back(text);
    }
    return items;
  }
  // The pixels of that colour on screen inside the window.
  static int CountPixels(HWND hwnd, COLORREF color) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const win::UniqueScreenDc screen(GetDC(nullptr));
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) count += GetPixel(screen.get(), x, y) == color;
    return count;
  }
  static std::wstring TakeClipboardText() {  // and empties the clipboard
    Require(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000), "clipboard busy");
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    const std::wstring text = chars ? chars : L"";
    GlobalUnlock(data);  // nothing locked: a harmless failure
    EmptyClipboard(), CloseClipboard();
    return text;
  }

  // ---- message boxes

  // A "#32770" window with its text in static 0xFFFF and no file name field:
  // a message box, not the open dialog (the program's own dialogs have no
  // control 0xFFFF).
  static bool IsBox(HWND hwnd) {
    return ClassOf(hwnd) == L"#32770" && GetDlgItem(hwnd, 0xFFFF) && !GetDlgItem(hwnd, kFileName);
  }
  static Box WaitBox(DWORD pid) {
    HWND hwnd = WaitWindow(pid, IsBox), icon = FindWindowExW(hwnd, nullptr, L"Static", nullptr);
    // Its first static is its icon, shown or not.
    Box box{hwnd,
            Text(hwnd),
            Text(GetDlgItem(hwnd, 0xFFFF)),
            {},
            IsWindowVisible(icon) ? icon : nullptr};
    for (int id = IDOK; id <= IDCONTINUE; ++id)
      if (GetDlgItem(hwnd, id))
        box.buttons.push_back(id);
    return box;
  }
  // Presses a button of the box and waits for the box to go.
  static void Answer(const Box& box, int button = IDOK) {
    PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    Require(Gone(box.hwnd), "the box stayed");
  }

  // ---- files, the settings file (%WINDIR%\vintrel.ini) and HKEY_CLASSES_ROOT

  static fs::path IniPath() { return fs::path(_wgetenv(L"WINDIR")) / L"vintrel.ini"; }
  static std::string ReadFile(const fs::path& file) {  // "" when absent
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void WriteIni(std::string_view bytes) { Require(WriteFile(IniPath(), bytes), "no ini"); }
  static std::wstring IniValue(const wchar_t* key) {  // "-" when absent
    wchar_t value[256] = {};
    GetPrivateProfileStringW(L"main", key, L"-", value, 256, IniPath().c_str());
    return value;
  }
  // A value of a key below `root` (by default the key's default value): none
  // when there is no such key, "" when the key has no such value.
  static std::optional<std::wstring> RegValue(const std::wstring& key,
                                              HKEY root = HKEY_CLASSES_ROOT,
                                              const wchar_t* name = L"") {
    win::UniqueRegKey handle;
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, handle.put()))
      return {};
    RegGetValueW(handle.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
  }
  static void SetRegValue(const std::wstring& key, const std::wstring& value,
                          HKEY root = HKEY_CLASSES_ROOT, const wchar_t* name = L"") {
    const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    Require(!RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(), size),
            "cannot write registry key");
  }
  static void DenyWrites(HKEY root, const std::wstring& key, bool deny) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(
        deny ? L"D:(D;;0x2;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
        nullptr);
    win::UniqueRegKey handle;
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, WRITE_DAC, nullptr, handle.put(), nullptr);
    const LONG result = RegSetKeySecurity(handle.get(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    Require(handle && result == ERROR_SUCCESS, "cannot set a key's security");
  }
  // The starts the recorder logged, UTF-16, a line for each.
  static std::vector<Args> ReadCalls(const fs::path& log) {
    std::vector<Args> calls;
    const std::string bytes = ReadFile(log);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    for (size_t at = 0, end; (end = text.find(L'\n', at)) != text.npos; at = end + 1) {
      int argc = 0;
      wchar_t** argv = CommandLineToArgvW(text.substr(at, end - at).c_str(), &argc);
      calls.emplace_back(argv, argv + argc);
      LocalFree(argv);
    }
    return calls;
  }
  // Where the build put vintrel.exe, recorder.exe and the tests.
  static fs::path BinFolder() {
    wchar_t self[MAX_PATH];
    return fs::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH))).parent_path();
  }

  // ---- the program under test

  void SetUp() override {
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteIni(kIni);
    for (const std::wstring key : {L".bik", L"bik.video"}) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
      RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kUserChoice);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = BinFolder().parent_path() / L"e2e-work" /
            (std::string(test->test_suite_name()) + "." + test->name());
    std::error_code ignored;  // what a crashed run left may reach beyond MAX_PATH
    fs::remove_all(L"\\\\?\\" + root_.wstring(), ignored);
    // A blank and Cyrillic letters, where an unquoted or narrow path would break.
    app_ = (root_ / L"Program Files\\Видео плеер").make_preferred();
    fs::create_directories(app_);
    fs::copy_file(BinFolder() / L"vintrel.exe", Exe());
    fs::copy_file(BinFolder() / L"recorder.exe", Player());
  }
  void TearDown() override {
    if (process_)
      TerminateProcess(process_.get(), 1), WaitForSingleObject(process_.get(), 5000);
  }
  fs::path Exe() const { return app_ / L"vintrel.exe"; }
  fs::path Player() const { return app_ / L"vintrel.dll"; }
  Args PlayerArgs(const fs::path& file) const {  // the player's start for `file` with kIni
    return {Player().wstring(), file.wstring(), L"/R", L"/C", L"/I100", L"/D9", L"/F"};
  }
  fs::path Add(const fs::path& relative, std::string_view bytes) const {
    const fs::path file = (root_ / relative).make_preferred();
    fs::create_directories(file.parent_path());
    Require(WriteFile(file, bytes), "cannot write a test file");
    return file;
  }
  fs::path AddBik(const fs::path& relative, const BikSpec& spec = {}) const {
    return Add(relative, BikBytes(spec));
  }

  // In the program's folder, or in `folder` as the shell starts it for a video.
  void Start(const std::wstring& arguments = L"", bool withWindow = true,
             const fs::path& folder = {}) {
    E2e::TearDown();
    std::wstring commandLine = L"\"" + Exe().wstring() + L"\"" + (arguments.empty() ? L"" : L" ");
    commandLine += arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Require(CreateProcessW(Exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           (folder.empty() ? app_ : folder).c_str(), &startup, &info),
            "cannot start the program");
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    main_ = withWindow ? WindowWith(pid_, main_ids::playButton) : nullptr;
  }
  std::optional<DWORD> WaitExit(int ms = 10000) const {
    DWORD code = 0;
    if (WaitForSingleObject(process_.get(), ms) || !GetExitCodeProcess(process_.get(), &code))
      return {};
    return code;
  }
  void CloseAndExpectExit() const {  // WM_CLOSE on the main window: ends with 0
    PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(), std::optional<DWORD>(0)) << "closing the window ends the program";
  }
  // Memory in the program, for the messages whose buffers are not carried
  // across: the status bar's text and a drop's file list.
  void* Remote(const void* bytes, size_t size) const {
    void* remote = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    Require(remote && WriteProcessMemory(process_.get(), remote, bytes, size, nullptr),
            "cannot write into the program's memory");
    return remote;
  }
  HWND Main(int id) const { return Item(main_, id); }
  std::wstring Status() const {
    HWND bar = Main(main_ids::statusBar);
    std::wstring text(LOWORD(Send(bar, SB_GETTEXTLENGTHW)) + 1, L'\0');
    void* remote = Remote(text.data(), text.size() * sizeof(wchar_t));
    Send(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_.get(), remote, text.data(), text.size() * sizeof(wchar_t), nullptr);
    VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
    return text.c_str();
  }

  HWND OpenDialog() const {  // "Обзор" clicked: the open dialog
    Click(Main(main_ids::browseButton));
    HWND dialog = WindowWith(pid_, kFileName);
    Require(Text(dialog) == L"Откроем файл для просмотра...", "no open dialog");
    return dialog;
  }
  void Browse(const fs::path& file) const {  // through the real open dialog
    HWND dialog = OpenDialog();
    SetText(Item(dialog, kFileName), file.wstring());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    Require(Gone(dialog), "the open dialog stayed");
    Send(main_, WM_NULL);  // what the choice posted is handled
  }
  // The window a button of the main window opens, found by a control of it.
  HWND Open(int button, int control) const {
    return Click(Main(button)), WindowWith(pid_, control);
  }
  HWND OpenSettings() const { return Open(main_ids::settingsButton, settings_ids::displayModeList); }
  void CloseWindow(HWND window) const {  // its close box
    PostMessageW(window, WM_CLOSE, 0, 0);
    Require(Gone(window), "the window stayed");
  }
  Box Press(HWND button) const { return Click(button), WaitBox(pid_); }  // box left open
  // "Ошибка!" with the program's icon and OK alone, the main window out of
  // reach until it is answered.
  void ExpectError(const Box& box, const std::wstring& text) const {
    EXPECT_EQ(box.title, L"Ошибка!");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(box.icon && WaitUntil([&] { return ShowsBullsEye(box.icon); }, 2000))
        << "the box shows the program's own icon";
    EXPECT_FALSE(IsWindowEnabled(main_));
    Answer(box);
  }
  // Whether the control shows the bull's-eye of the program's resources as a
  // message box draws an icon: at the system's size on the face colour.
  bool ShowsBullsEye(HWND control) const {
    HMODULE exe = LoadLibraryExW(Exe().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const int size = GetSystemMetrics(SM_CXICON);
    const win::UniqueIcon icon(static_cast<HICON>(
        LoadImageW(exe, MAKEINTRESOURCEW(IDI_BULLSEYE), IMAGE_ICON, size, size, 0)));
    FreeLibrary(exe);
    const win::UniqueScreenDc screen(GetDC(nullptr));
    HDC drawn = CreateCompatibleDC(screen.get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), size, size);
    SelectObject(drawn, bitmap);
    const RECT square{0, 0, size, size};
    FillRect(drawn, &square, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(drawn, 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    RECT at{};
    GetWindowRect(control, &at);
    int same = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        same += GetPixel(drawn, x, y) == GetPixel(screen.get(), at.left + x, at.top + y);
    DeleteDC(drawn), DeleteObject(bitmap);
    return icon && same == size * size;
  }
  // A settings or About window: a small caption only, held by the main window.
  void ExpectModal(HWND window, const wchar_t* title, int focusId) const {
    EXPECT_EQ(Text(window), title);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) &
                 (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(window, GW_OWNER), main_);
    EXPECT_FALSE(IsWindowEnabled(main_));
    EXPECT_TRUE(WaitFocus(window, focusId));
  }
  // As the shell hands a drop over: WM_DROPFILES with a DROPFILES block in the
  // program's memory (Wine turns no drag of another process into one).
  void Drop(const std::vector<std::wstring>& files) const {
    std::wstring block(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');  // the header's room
    for (const std::wstring& file : files) block += file + L'\0';
    const DROPFILES header{sizeof header, {10, 10}, FALSE, TRUE};
    memcpy(block.data(), &header, sizeof header);
    const size_t size = (block.size() + 1) * sizeof(wchar_t);  // and the list's end
    PostMessageW(main_, WM_DROPFILES, reinterpret_cast<WPARAM>(Remote(block.c_str(), size)), 0);
  }
  std::vector<Args> Plays(size_t atLeast = 0) const {  // starts of the stand-in player
    std::vector<Args> plays;
    WaitUntil([&] { return (plays = ReadCalls(app_ / L"calls.log")).size() >= atLeast; });
    Require(plays.size() >= atLeast, "the player was started too few times");
    return plays;
  }

  fs::path root_, app_;
  win::UniqueKernelHandle process_;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

}  // namespace vintrel::e2e
