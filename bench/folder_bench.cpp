// Times the folder window against bikinfo.exe on the same folder, in one
// run, and measures how fast the window answers while it scans:
//   vintrel_folder_bench [--runs N] [--warmup N] FOLDER
// Each run times bikinfo.exe on FOLDER from its start to its exit, its table
// going nowhere; then twice drops FOLDER on a freshly started program's main
// window, as the shell hands a drop over, and waits for the scan's end (its
// "Сохранить CSV…" comes back): once timed, looking at that button every 5 ms,
// once sending the window WM_NULL every 5 ms and keeping how long each answer
// took. The questions are kept out of the timed scan: each is work for the
// Wine server, through which the program's every read goes.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "res/folder_window_ids.h"
#include "res/main_window_ids.h"
#include "stats.h"

namespace {

using vintrel::bench::Figure;
using vintrel::bench::Series;

constexpr double kTimeoutMs = 60000;

double Now() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring BinFolder() {
  wchar_t self[MAX_PATH];
  std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\'));
}

PROCESS_INFORMATION Start(std::wstring line, HANDLE output = nullptr) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (output) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, output != nullptr, 0, nullptr,
                      nullptr, &startup, &started))
    throw std::runtime_error("cannot start a program");
  CloseHandle(started.hThread);
  return started;
}

double TimeBikinfo(const std::wstring& folder) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE nowhere =
      CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
  const double start = Now();
  const PROCESS_INFORMATION bikinfo =
      Start(L"\"" + BinFolder() + L"\\bikinfo.exe\" \"" + folder + L"\"", nowhere);
  WaitForSingleObject(bikinfo.hProcess, static_cast<DWORD>(kTimeoutMs));
  const double took = Now() - start;
  CloseHandle(bikinfo.hProcess);
  CloseHandle(nowhere);
  return took;
}

struct Search {
  DWORD pid;
  int control;
  HWND found;
};

// The program's visible top-level window that holds `control`.
HWND WindowWith(DWORD pid, int control) {
  Search search{pid, control, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.pid && IsWindowVisible(window) && GetDlgItem(window, s.control))
          s.found = window;
        return s.found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Expect(bool ok, const char* what) {
  if (!ok)
    throw std::runtime_error(what);
}

struct Scan {
  double ms = 0;
  std::vector<double> answers;
  LRESULT rows = 0;
};

Scan TimeWindow(const std::wstring& folder, bool ask) {
  const PROCESS_INFORMATION program = Start(L"\"" + BinFolder() + L"\\vintrel.exe\"");
  HWND main = nullptr;
  for (const double start = Now();
       !(main = WindowWith(program.dwProcessId, vintrel::main_ids::playButton));)
    Expect(Now() - start < kTimeoutMs, "no main window"), Sleep(10);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);

  // A drop's file list in the program's memory, as the shell hands it over.
  std::wstring block(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');
  block += folder + L'\0';
  const DROPFILES header{sizeof header, {10, 10}, FALSE, TRUE};
  std::memcpy(block.data(), &header, sizeof header);
  const size_t bytes = (block.size() + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(program.hProcess, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  Expect(remote && WriteProcessMemory(program.hProcess, remote, block.c_str(), bytes, nullptr),
         "cannot write the drop");

  Scan scan;
  HWND window = nullptr;
  const double start = Now();
  PostMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
  while (!window || !IsWindowEnabled(GetDlgItem(window, vintrel::folder_ids::saveCsvButton))) {
    Expect(Now() - start < kTimeoutMs, "the scan did not end");
    Sleep(5);
    if (!window)
      window = WindowWith(program.dwProcessId, vintrel::folder_ids::videoList);
    if (!ask)
      continue;
    // Before the folder window is there, its thread is the main window's.
    const double asked = Now();
    SendMessageTimeoutW(window ? window : main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    scan.answers.push_back(Now() - asked);
  }
  scan.ms = Now() - start;
  scan.rows = SendMessageW(GetDlgItem(window, vintrel::folder_ids::videoList), LVM_GETITEMCOUNT, 0, 0);
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(program.hProcess, 1);
  CloseHandle(program.hProcess);
  return scan;
}

// Every key valid, so that the start neither stops at a box nor rewrites the file.
void WriteSettings() {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring path = std::wstring(windows) + L"\\vintrel.ini";
  FILE* file = _wfopen(path.c_str(), L"wb");
  Expect(file != nullptr, "cannot write the settings file");
  std::fputs(
      "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
      "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\nfe=auto\r\n",
      file);
  std::fclose(file);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = 5;
  int warmup = 1;
  std::wstring folder;
  for (int i = 1; i < argc; ++i) {
    if (!std::wcscmp(argv[i], L"--runs") && i + 1 < argc)
      runs = _wtoi(argv[++i]);
    else if (!std::wcscmp(argv[i], L"--warmup") && i + 1 < argc)
      warmup = _wtoi(argv[++i]);
    else
      folder = argv[i];
  }
  if (folder.empty() || runs < 1 || warmup < 0) {
    std::fprintf(stderr, "usage: vintrel_folder_bench [--runs N] [--warmup N] FOLDER\n");
    return 2;
  }
  try {
    WriteSettings();
    Figure figure{
        "folder window: drop to the last row", {}, {}, "bikinfo.exe FOLDER, start to exit", 1.5};
    std::vector<double> answers;
    LRESULT rows = 0;
    for (int run = 0; run < warmup + runs; ++run) {
      const double bikinfo = TimeBikinfo(folder);
      const Scan timed = TimeWindow(folder, false);
      const Scan asked = TimeWindow(folder, true);
      std::fprintf(stderr, "run %d: window %.1f ms (%d rows), bikinfo %.1f ms; %zu answers\n", run,
                   timed.ms, static_cast<int>(timed.rows), bikinfo, asked.answers.size());
      if (run < warmup)
        continue;
      figure.program.ms.push_back(timed.ms);
      figure.floor.ms.push_back(bikinfo);
      answers.insert(answers.end(), asked.answers.begin(), asked.answers.end());
      rows = std::min(timed.rows, asked.rows);
    }
    std::sort(answers.begin(), answers.end());
    Expect(!answers.empty(), "no answers measured");
    const size_t at99 =
        static_cast<size_t>(std::ceil(0.99 * static_cast<double>(answers.size()))) - 1;
    std::printf("%s\n%s\n", vintrel::bench::TableHeader().c_str(),
                vintrel::bench::TableRow(figure).c_str());
    std::printf(
        "| answer to WM_NULL during the scan, 99th percentile | %.1f ms (median %.1f, max "
        "%.1f; %zu answers) | - | - | - | <= 100 ms | %s |\n",
        answers[at99], answers[answers.size() / 2], answers.back(), answers.size(),
        answers[at99] <= 100 ? "yes" : "NO");
    std::printf("(rows listed: %d)\n", static_cast<int>(rows));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "benchmark failed: %s\n", error.what());
    return 1;
  }
  return 0;
}
