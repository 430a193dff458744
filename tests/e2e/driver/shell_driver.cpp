#include "shell_driver.h"

#include <sddl.h>
#include <shellapi.h>

#include <sstream>

namespace fs = std::filesystem;

namespace vintrel::e2e {
namespace {

// Where a replaced link handler waits to be put back; outside the classes
// store, so the shell never sees it.
constexpr wchar_t kSavedHandlers[] = L"Software\\VintrelE2eSavedHandlers\\";

UniqueKey CreateKey(HKEY root, const std::wstring& subKey, REGSAM access = KEY_ALL_ACCESS) {
  HKEY raw = nullptr;
  const LONG result =
      RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, access, nullptr, &raw, nullptr);
  if (result != ERROR_SUCCESS) {
    throw Failure("cannot create registry key " + ToUtf8(subKey) + ", error " +
                  std::to_string(result));
  }
  return UniqueKey(raw);
}

UniqueKey OpenKey(HKEY root, const std::wstring& subKey, REGSAM access) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, access, &raw) != ERROR_SUCCESS)
    return UniqueKey();
  return UniqueKey(raw);
}

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  const LONG result =
      RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  if (result != ERROR_SUCCESS)
    throw Failure("cannot set a registry value, error " + std::to_string(result));
}

void DeleteTree(HKEY root, const std::wstring& subKey) {
  const LONG result = RegDeleteTreeW(root, subKey.c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
    throw Failure("cannot delete registry key " + ToUtf8(subKey) + ", error " +
                  std::to_string(result));
  }
}

// Copies the whole tree `fromRoot\from` to `toRoot\to`.
void CopyTree(HKEY fromRoot, const std::wstring& from, HKEY toRoot, const std::wstring& to) {
  UniqueKey source = OpenKey(fromRoot, from, KEY_READ);
  if (!source)
    throw Failure("cannot open registry key " + ToUtf8(from));
  UniqueKey target = CreateKey(toRoot, to);
  const LONG result = RegCopyTreeW(source.get(), nullptr, target.get());
  if (result != ERROR_SUCCESS) {
    throw Failure("cannot copy registry key " + ToUtf8(from) + ", error " + std::to_string(result));
  }
}

void SetDacl(HKEY key, const std::wstring& sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    throw Failure("bad security descriptor " + ToUtf8(sddl));
  }
  const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
  LocalFree(descriptor);
  if (result != ERROR_SUCCESS) {
    throw Failure("cannot set a key's security, error " + std::to_string(result));
  }
}

constexpr wchar_t kEverybodyMayDoAll[] = L"D:(A;;KA;;;WD)";

}  // namespace

HWND WaitForWindowWithControl(DWORD pid, int controlId, Millis timeout) {
  HWND found = nullptr;
  const auto find = [&] {
    for (HWND hwnd : TopLevelWindows(pid)) {
      if (GetDlgItem(hwnd, controlId)) {
        found = hwnd;
        return true;
      }
    }
    return false;
  };
  if (!WaitUntil(find, timeout)) {
    throw Failure("no window with control " + std::to_string(controlId) + " appeared");
  }
  return found;
}

void ClickLabel(HWND label) {
  const LPARAM inside = MAKELPARAM(2, 2);
  PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  PostMessageW(label, WM_LBUTTONUP, 0, inside);
}

UniqueHandle ShellOpen(const fs::path& document) {
  const std::wstring file = document.wstring();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) {
    throw Failure("the shell could not open " + ToUtf8(file) + ", error " +
                  std::to_string(GetLastError()));
  }
  if (!info.hProcess)
    throw Failure("the shell started no process for " + ToUtf8(file));
  return UniqueHandle(info.hProcess);
}

RECT ScreenRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

int CountScreenPixels(const RECT& rect, COLORREF color) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return 0;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
  const DWORD wanted = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  int count = 0;
  for (DWORD pixel : pixels) {
    if ((pixel & 0xFFFFFF) == wanted)
      ++count;
  }
  return count;
}

UrlHandlerOverride::UrlHandlerOverride(std::wstring scheme, const fs::path& log)
    : scheme_(std::move(scheme)), saved_(std::wstring(kSavedHandlers) + scheme_) {
  // A run that crashed left its copy behind: the prefix's own handler first.
  if (KeyExists(HKEY_CURRENT_USER, saved_)) {
    DeleteTree(HKEY_CLASSES_ROOT, scheme_);
    CopyTree(HKEY_CURRENT_USER, saved_, HKEY_CLASSES_ROOT, scheme_);
    DeleteTree(HKEY_CURRENT_USER, saved_);
  }
  if (KeyExists(HKEY_CLASSES_ROOT, scheme_)) {
    CopyTree(HKEY_CLASSES_ROOT, scheme_, HKEY_CURRENT_USER, saved_);
    // Wine's own handlers talk DDE first; ours must be the only way.
    DeleteTree(HKEY_CLASSES_ROOT, scheme_);
  }
  const UniqueKey protocol = CreateKey(HKEY_CLASSES_ROOT, scheme_);
  SetString(protocol.get(), nullptr, L"URL:" + scheme_);
  SetString(protocol.get(), L"URL Protocol", L"");
  const UniqueKey command = CreateKey(HKEY_CLASSES_ROOT, scheme_ + L"\\shell\\open\\command");
  const fs::path recorder = ExeFolder() / L"url_recorder.exe";
  SetString(command.get(), nullptr,
            L"\"" + recorder.wstring() + L"\" \"" + log.wstring() + L"\" \"%1\"");
}

UrlHandlerOverride::~UrlHandlerOverride() {
  try {
    DeleteTree(HKEY_CLASSES_ROOT, scheme_);
    if (KeyExists(HKEY_CURRENT_USER, saved_)) {
      CopyTree(HKEY_CURRENT_USER, saved_, HKEY_CLASSES_ROOT, scheme_);
      DeleteTree(HKEY_CURRENT_USER, saved_);
    }
  } catch (const Failure&) {
    // The next override puts the saved handler back.
  }
}

std::vector<std::wstring> RecordedLinks(const fs::path& log) {
  std::error_code error;
  if (!fs::exists(log, error))
    return {};
  std::vector<std::wstring> links;
  std::istringstream lines(ReadBytes(log));
  std::string line;
  while (std::getline(lines, line)) {
    const std::wstring commandLine = ToWide(line);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(commandLine.c_str(), &argc);
    if (argv && argc == 3) {
      links.emplace_back(argv[2]);
    } else {
      links.push_back(L"<" + std::to_wstring(argc - 2) + L" arguments> " + commandLine);
    }
    if (argv)
      LocalFree(argv);
  }
  return links;
}

std::vector<std::wstring> WaitForRecordedLinks(const fs::path& log, size_t count, Millis timeout) {
  std::vector<std::wstring> links;
  WaitUntil([&] { return (links = RecordedLinks(log)).size() >= count; }, timeout);
  return links;
}

RefusingKey::RefusingKey(std::wstring subKey, REGSAM deniedAccess) : subKey_(std::move(subKey)) {
  const UniqueKey key = CreateKey(HKEY_CLASSES_ROOT, subKey_);
  std::wostringstream sddl;
  sddl << L"D:(D;;0x" << std::hex << deniedAccess << L";;;WD)(A;;KA;;;WD)";
  SetDacl(key.get(), sddl.str());
}

RefusingKey::~RefusingKey() {
  try {
    if (const UniqueKey key = OpenKey(HKEY_CLASSES_ROOT, subKey_, WRITE_DAC)) {
      SetDacl(key.get(), kEverybodyMayDoAll);
    }
    DeleteTree(HKEY_CLASSES_ROOT, subKey_);
  } catch (const Failure&) {
    // Nothing more to try; the next fixture reports the key if it stays.
  }
}

void WriteRegString(HKEY root, const std::wstring& subKey, const std::wstring& value) {
  const UniqueKey key = CreateKey(root, subKey);
  SetString(key.get(), nullptr, value);
}

}  // namespace vintrel::e2e
