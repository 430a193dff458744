#include "panel_driver.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "res/main_window_ids.h"

namespace vintrel::e2e {
namespace {

std::vector<char> DropBlock(const std::vector<std::wstring>& files, POINT clientPoint) {
  std::wstring list;
  for (const std::wstring& file : files) {
    list += file;
    list += L'\0';
  }
  list += L'\0';
  std::vector<char> block(sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt = clientPoint;
  header.fNC = FALSE;
  header.fWide = TRUE;
  std::memcpy(block.data(), &header, sizeof header);
  std::memcpy(block.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
  return block;
}

}  // namespace

HWND OpenBrowseDialog(DWORD pid, HWND mainWindow) {
  Click(Control(mainWindow, main_ids::cmdAddFile));
  return WaitForOpenDialog(pid, kOpenDialogTitle);
}

void WaitForDialogHandled(HWND dialog, HWND mainWindow) {
  if (!WaitForWindowGone(dialog))
    throw Failure("the open dialog stayed");
  Sync(mainWindow);
}

void BrowseFile(DWORD pid, HWND mainWindow, const std::filesystem::path& file) {
  HWND dialog = OpenBrowseDialog(pid, mainWindow);
  ChooseFile(dialog, file.wstring());
  WaitForDialogHandled(dialog, mainWindow);
}

// Why the block is written into the program and the message posted: an HDROP
// is process-local memory, and neither Windows nor Wine copies it along with
// a WM_DROPFILES sent from another process. Wine 8's OLE DoDragDrop does not
// turn a CF_HDROP drag into WM_DROPFILES for a window that only called
// DragAcceptFiles (the drag ends with no target), and the X11 drag-and-drop
// protocol cannot be spoken from a Windows program. What does reach the
// program's DragQueryFileW: a DROPFILES block at a page-aligned address in
// its own memory, which GlobalLock takes for fixed global memory, passed as
// the HDROP of a posted WM_DROPFILES.
std::unique_ptr<RemoteMemory> PostFileDrop(HANDLE process, HWND target,
                                           const std::vector<std::wstring>& files,
                                           POINT clientPoint) {
  const std::vector<char> block = DropBlock(files, clientPoint);
  auto remote = std::make_unique<RemoteMemory>(process, block.size());
  if (!remote->get())
    throw Failure("VirtualAllocEx failed for the drop");
  if (!WriteProcessMemory(process, remote->get(), block.data(), block.size(), nullptr)) {
    throw Failure("WriteProcessMemory failed for the drop");
  }
  if (!PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote->get()), 0)) {
    throw Failure("WM_DROPFILES could not be posted");
  }
  return remote;
}

ForegroundWindow::ForegroundWindow() {
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"driver", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                          100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_)
    throw Failure("the driver's window could not be made");
  SetForegroundWindow(hwnd_);
  if (!WaitUntil([&] { return GetForegroundWindow() == hwnd_; })) {
    DestroyWindow(hwnd_);
    throw Failure("the driver's window did not come to the front");
  }
}

ForegroundWindow::~ForegroundWindow() {
  DestroyWindow(hwnd_);
}

HWND ActiveWindowOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
    return nullptr;
  return info.hwndActive;
}

std::wstring OpenDialogFolder(HANDLE process, HWND dialog) {
  // CDM_GETFOLDERPATH writes into the caller's buffer, which must therefore
  // be in the dialog's process.
  constexpr size_t kChars = 32768;
  RemoteMemory remote(process, kChars * sizeof(wchar_t));
  if (!remote.get())
    throw Failure("VirtualAllocEx failed for the folder");
  const LRESULT length =
      SendMessageW(dialog, CDM_GETFOLDERPATH, kChars, reinterpret_cast<LPARAM>(remote.get()));
  if (length <= 0)
    throw Failure("the dialog gave no folder");
  std::wstring folder(kChars, L'\0');
  if (!ReadProcessMemory(process, remote.get(), folder.data(), kChars * sizeof(wchar_t), nullptr)) {
    throw Failure("ReadProcessMemory failed for the folder");
  }
  folder.resize(std::wcslen(folder.c_str()));
  return folder;
}

}  // namespace vintrel::e2e
