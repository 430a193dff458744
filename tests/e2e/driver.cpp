#include "driver.h"

// clang-format off
#include <commctrl.h>
#include <sddl.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include <fstream>
#include <sstream>

namespace vintrel::e2e {

std::string U8(std::wstring_view text) {
  std::string out(text.size() * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::wstring Wide(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
  for (const DWORD start = GetTickCount(); !done(); Sleep(20)) {
    if (GetTickCount() - start > static_cast<DWORD>(ms))
      return false;
  }
  return true;
}

void Require(bool ok, const std::string& what) {
  if (!ok)
    throw std::runtime_error(what);
}

// ---- windows and controls

using Found = std::pair<DWORD, std::vector<HWND>>;

static BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto& [wanted, windows] = *reinterpret_cast<Found*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == wanted && IsWindowVisible(hwnd))
    windows.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> TopWindows(DWORD pid) {
  Found found{pid, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

HWND WindowWith(DWORD pid, int controlId) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND hwnd : TopWindows(pid)) {
      if (GetDlgItem(hwnd, controlId))
        found = hwnd;
    }
    return found != nullptr;
  });
  Require(found, "no window with control " + std::to_string(controlId) + " appeared");
  return found;
}

HWND Item(HWND parent, int id) {
  HWND hwnd = GetDlgItem(parent, id);
  Require(hwnd, "no control " + std::to_string(id));
  return hwnd;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR result = 0;
  Require(SendMessageTimeoutW(hwnd, message, w, l, SMTO_NORMAL, 10000, &result),
          "message " + std::to_string(message) + " got no answer, error " +
              std::to_string(GetLastError()));
  return static_cast<LRESULT>(result);
}

std::wstring Text(HWND hwnd) {
  std::wstring text(Send(hwnd, WM_GETTEXTLENGTH) + 1, L'\0');
  text.resize(Send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return text;
}

void SetText(HWND hwnd, const std::wstring& text) {
  Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Gone(HWND window) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

static HWND Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

int FocusId(HWND window) {
  HWND focus = Focus(window);
  while (focus && GetParent(focus) != window) focus = GetParent(focus);
  return focus ? GetDlgCtrlID(focus) : 0;
}

void Key(HWND window, WORD vk) {
  HWND focus = nullptr;  // a window just shown may not have given it yet
  Require(WaitUntil([&] { return (focus = Focus(window)) != nullptr; }),
          "nothing has the keyboard focus");
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(focus, WM_KEYDOWN, vk, 1 | scan);
  PostMessageW(focus, WM_KEYUP, vk, 1 | scan | (LPARAM{3} << 30));
}

void Select(HWND combo, int index) {
  Require(Send(combo, CB_SETCURSEL, index) == index, "no list item " + std::to_string(index));
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void Type(HWND combo, const std::wstring& text) {
  HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  Require(edit, "the list has no edit field");
  Send(edit, EM_SETSEL, 0, -1);
  for (wchar_t c : text) Send(edit, WM_CHAR, c, 1);
}

std::vector<std::wstring> Items(HWND combo) {
  std::vector<std::wstring> items;
  for (LRESULT i = 0, n = Send(combo, CB_GETCOUNT); i < n; ++i) {
    std::wstring text(Send(combo, CB_GETLBTEXTLEN, i) + 1, L'\0');
    text.resize(Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())));
    items.push_back(text);
  }
  return items;
}

// Memory in another process, for the messages whose buffers are not carried
// across: the status bar's text and a drop's file list.
static void* Remote(HWND hwnd, const void* bytes, size_t size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const ui::UniqueKernelHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid));
  void* remote = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  Require(remote && WriteProcessMemory(process.get(), remote, bytes, size, nullptr),
          "cannot write into the program's memory");
  return remote;
}

std::wstring StatusText(HWND bar) {
  std::wstring text(LOWORD(Send(bar, SB_GETTEXTLENGTHW)) + 1, L'\0');
  void* remote = Remote(bar, text.data(), text.size() * sizeof(wchar_t));
  Send(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote));
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  const ui::UniqueKernelHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid));
  ReadProcessMemory(process.get(), remote, text.data(), text.size() * sizeof(wchar_t), nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return text.c_str();
}

std::vector<std::wstring> ListRows(HWND list) {
  std::vector<std::wstring> rows;
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const ui::UniqueKernelHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid));
  constexpr int kChars = 1024;
  LVITEMW item{};
  auto* remote = static_cast<char*>(Remote(list, &item, sizeof item + kChars * sizeof(wchar_t)));
  for (LRESULT row = 0, n = Send(list, LVM_GETITEMCOUNT); row < n; ++row) {
    std::wstring line;
    for (int column = 0; column < 2; ++column) {
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof item);
      item.cchTextMax = kChars;
      WriteProcessMemory(process.get(), remote, &item, sizeof item, nullptr);
      std::wstring text(Send(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote)), L'\0');
      ReadProcessMemory(process.get(), item.pszText, text.data(), text.size() * sizeof(wchar_t),
                        nullptr);
      line += (column ? L"\t" : L"") + text;
    }
    rows.push_back(line);
  }
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return rows;
}

std::wstring ClipboardText() {
  std::wstring text;
  Require(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000), "clipboard busy");
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

HICON IconOf(HWND iconStatic) {
  return reinterpret_cast<HICON>(Send(iconStatic, STM_GETICON));
}

int CountPixels(HWND hwnd, COLORREF color) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const ui::UniqueScreenDc screen(GetDC(nullptr));
  HDC memory = CreateCompatibleDC(screen.get());
  HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w, info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1, info.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
  GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  const DWORD wanted = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
  int count = 0;
  for (DWORD pixel : pixels) count += (pixel & 0xFFFFFF) == wanted;
  return count;
}

// ---- message boxes and the open dialog

static std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// Only statics and standard buttons, the text in static 0xFFFF: that tells a
// message box from the program's dialogs and the open dialog, all "#32770".
static std::optional<Box> ReadBox(HWND hwnd) {
  if (ClassOf(hwnd) != L"#32770")
    return {};
  Box box;
  box.hwnd = hwnd, box.title = Text(hwnd);
  bool hasText = false;
  for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(c);
    const bool isIcon = (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (ClassOf(c) == L"Button" && id >= IDOK && id <= IDCONTINUE)
      box.buttons.push_back(id);
    else if (ClassOf(c) != L"Static")
      return {};
    else if (id == 0xFFFF && !isIcon)
      box.text = Text(c), hasText = true;
    else if (isIcon && IsWindowVisible(c))
      box.icon = c;
  }
  return hasText && !box.buttons.empty() ? std::optional(box) : std::nullopt;
}

std::optional<Box> FindBox(DWORD pid) {
  for (HWND hwnd : TopWindows(pid)) {
    try {
      if (auto box = ReadBox(hwnd))
        return box;
    } catch (const std::runtime_error&) {  // gone while read
    }
  }
  return {};
}

Box WaitBox(DWORD pid) {
  std::optional<Box> box;
  Require(WaitUntil([&] { return (box = FindBox(pid)).has_value(); }), "no message box appeared");
  return *box;
}

void Answer(const Box& box, int button) {
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(box.hwnd, button)));
  Require(Gone(box.hwnd), "the box \"" + U8(box.text) + "\" stayed");
}

HWND OpenDialog(DWORD pid) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND hwnd : TopWindows(pid)) {
      if (ClassOf(hwnd) == L"#32770" && GetDlgItem(hwnd, kFileName))
        found = hwnd;
    }
    return found != nullptr;
  });
  Require(found && Text(found) == L"Откроем файл для просмотра...", "no open dialog");
  return found;
}

void Choose(HWND dialog, const fs::path& file) {
  SetText(Item(dialog, kFileName), file.wstring());
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// ---- settings file and registry

fs::path IniPath() {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  return fs::path(windows) / L"vintrel.ini";
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteIni(std::string_view bytes) {
  Require(WriteFile(IniPath(), bytes), "cannot write vintrel.ini");
}

std::optional<std::wstring> IniValue(const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(L"main", key, L"\n", value, 256, IniPath().c_str());
  return value == std::wstring(L"\n") ? std::nullopt : std::optional<std::wstring>(value);
}

bool WaitIni(const wchar_t* key, const wchar_t* value) {
  return WaitUntil([&] { return IniValue(key) == value; });
}

static ui::UniqueRegKey OpenKey(const std::wstring& key, REGSAM access, bool create = false) {
  ui::UniqueRegKey handle;
  if (create)
    RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, access, nullptr, handle.put(),
                    nullptr);
  else
    RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, access, handle.put());
  return handle;
}

std::optional<std::wstring> RegValue(const std::wstring& key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size))
    return {};
  return value;
}

bool KeyExists(const std::wstring& key) {
  return static_cast<bool>(OpenKey(key, KEY_READ));
}

void SetRegValue(const std::wstring& key, const std::wstring& value, const wchar_t* name) {
  const auto handle = OpenKey(key, KEY_ALL_ACCESS, true);
  Require(handle && !RegSetValueExW(handle.get(), name, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
          "cannot write registry key " + U8(key));
}

void MoveTree(const std::wstring& from, const std::wstring& to, bool keepSource) {
  const auto source = OpenKey(from, KEY_READ);
  if (!source)
    return;
  RegDeleteTreeW(HKEY_CLASSES_ROOT, to.c_str());
  const auto target = OpenKey(to, KEY_ALL_ACCESS, true);
  Require(target && !RegCopyTreeW(source.get(), nullptr, target.get()),
          "cannot copy registry key " + U8(from));
  if (!keepSource)
    RegDeleteTreeW(HKEY_CLASSES_ROOT, from.c_str());
}

void DenyWrites(const std::wstring& key, bool deny) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ConvertStringSecurityDescriptorToSecurityDescriptorW(
      deny ? L"D:(D;;0x2;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
      nullptr);
  const auto handle = OpenKey(key, WRITE_DAC, true);
  const LONG result = RegSetKeySecurity(handle.get(), DACL_SECURITY_INFORMATION, descriptor);
  LocalFree(descriptor);
  Require(handle && result == ERROR_SUCCESS, "cannot set the security of " + U8(key));
}

std::vector<Args> ReadCalls(const fs::path& log) {
  std::vector<Args> calls;
  std::istringstream lines(ReadFile(log));
  for (std::string line; std::getline(lines, line);) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(Wide(line).c_str(), &argc);
    calls.emplace_back(argv, argv + argc);
    LocalFree(argv);
  }
  return calls;
}

// ---- the fixture

fs::path BinFolder() {
  wchar_t self[MAX_PATH];
  return fs::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH))).parent_path();
}

void E2e::SetUp() {
  SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  fs::remove(IniPath());
  for (const wchar_t* key : {L".bik", L"bik.video"}) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + key).c_str());
  }
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  root_ = BinFolder().parent_path() / L"e2e-work" /
          (std::string(test->test_suite_name()) + "." + test->name());
  UseAppFolder(L"app");
}

void E2e::TearDown() {
  if (process_)
    TerminateProcess(process_.get(), 1), WaitForSingleObject(process_.get(), 5000);
}

void E2e::UseAppFolder(const fs::path& relative) {
  std::error_code ignored;  // what a crashed run left may reach beyond MAX_PATH
  fs::remove_all(L"\\\\?\\" + root_.wstring(), ignored);
  app_ = (root_ / relative).make_preferred();
  fs::create_directories(app_);
  fs::copy_file(BinFolder() / L"vintrel.exe", Exe());
  fs::copy_file(BinFolder() / L"recorder.exe", app_ / L"vintrel.dll");
}

fs::path E2e::Add(const fs::path& relative, std::string_view bytes) const {
  const fs::path file = (root_ / relative).make_preferred();
  fs::create_directories(file.parent_path());
  Require(WriteFile(file, bytes), "cannot write " + U8(file.wstring()));
  return file;
}

void E2e::Start(const std::wstring& arguments, bool withWindow, const fs::path& folder) {
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
  main_ = nullptr;
  if (withWindow)
    main_ = WindowWith(pid_, main_ids::Command1);
}

std::optional<DWORD> E2e::WaitExit(int ms) const {
  DWORD code = 0;
  if (WaitForSingleObject(process_.get(), ms) || !GetExitCodeProcess(process_.get(), &code))
    return {};
  return code;
}

void E2e::CloseAndExpectExit() {
  PostMessageW(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(), std::optional<DWORD>(0)) << "closing the window ends the program";
}

bool E2e::WaitStatus(const std::wstring& text) const {
  return WaitUntil([&] { return Status() == text; });
}

void E2e::Browse(const fs::path& file) const {
  Click(Main(main_ids::cmdAddFile));
  HWND dialog = OpenDialog(pid_);
  Choose(dialog, file);
  Require(Gone(dialog), "the open dialog stayed");
  Sync(main_);
}

HWND E2e::OpenSettings() const {
  Click(Main(main_ids::Command2));
  return WindowWith(pid_, settings_ids::de1);
}

HWND E2e::OpenAbout() const {
  Click(Main(main_ids::Command4));
  return WindowWith(pid_, about_ids::Command1);
}

Box E2e::Press(HWND button) const {
  Click(button);
  return WaitBox(pid_);
}

// The shell hands a drop over as WM_DROPFILES with a DROPFILES block in the
// program's memory (Wine turns no drag of another process into one).
void E2e::Drop(const std::vector<std::wstring>& files) const {
  std::wstring list;
  for (const std::wstring& file : files) list += file + L'\0';
  std::string block(sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t), '\0');
  DROPFILES header{sizeof header, {10, 10}, FALSE, TRUE};
  memcpy(block.data(), &header, sizeof header);
  memcpy(block.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
  PostMessageW(main_, WM_DROPFILES,
               reinterpret_cast<WPARAM>(Remote(main_, block.data(), block.size())), 0);
}

std::vector<Args> E2e::Plays(size_t atLeast) const {
  std::vector<Args> plays;
  WaitUntil([&] { return (plays = ReadCalls(app_ / L"calls.log")).size() >= atLeast; });
  Require(plays.size() >= atLeast, "the player was started " + std::to_string(plays.size()) +
                                       " times, not " + std::to_string(atLeast));
  return plays;
}

}  // namespace vintrel::e2e
