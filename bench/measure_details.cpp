// The data-rate graph's cost: "Сведения о файле…" opened for a file of
// 100,000 frames by two copies of the benchmark's program side by side, the
// floor's told to leave the graph out (VINTREL_BENCH_NO_GRAPH, honoured by
// that build alone), run by run in turn. A run lasts from the menu command
// to the window shown, answering, and painted to its last control.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bik_maker.h"
#include "measure.h"
#include "res/main_window_ids.h"

namespace vintrel::bench {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeoutMs = 15000;
constexpr wchar_t kDetailsTitle[] = L"Сведения о файле";
constexpr wchar_t kOpenDialogTitle[] = L"Откроем файл для просмотра...";
constexpr int kFileNameField = 0x47C;  // cmb13 of the explorer-style open dialog
// Every key valid, so that start-up neither fails nor rewrites the file.
constexpr char kSettings[] =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\nfe=auto\r\n";

double Now() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PollUntil(const std::function<bool()>& done, const char* what) {
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  while (!done()) {
    if (GetTickCount64() > deadline)
      throw std::runtime_error(std::string("timed out waiting for ") + what);
    Sleep(1);
  }
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &result) != 0;
}

// Nothing of the window or its controls is waiting to be painted.
bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE))
    return false;
  bool painted = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM all) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
          *reinterpret_cast<bool*>(all) = false;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

HWND Visible(const wchar_t* title) {
  HWND window = FindWindowW(nullptr, title);
  return window && IsWindowVisible(window) ? window : nullptr;
}

// One copy of the program, with the 100,000-frame file chosen through its
// open dialog as a user would; started with the graph left out or not.
class Copy {
 public:
  Copy(const fs::path& exe, const fs::path& clip, bool withGraph) {
    SetEnvironmentVariableW(L"VINTREL_BENCH_NO_GRAPH", withGraph ? nullptr : L"1");
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, exe.parent_path().c_str(), &startup, &info);
    SetEnvironmentVariableW(L"VINTREL_BENCH_NO_GRAPH", nullptr);
    if (!started)
      throw std::runtime_error("cannot start " + exe.string());
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    WaitForInputIdle(process_, kTimeoutMs);
    // The other copy's main window has the same class: this one is the
    // copy's own, found by its process.
    struct Search {
      DWORD pid;
      HWND found = nullptr;
    } search{info.dwProcessId};
    PollUntil(
        [&] {
          EnumWindows(
              [](HWND window, LPARAM data) {
                auto& s = *reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                if (pid != s.pid || !IsWindowVisible(window))
                  return TRUE;
                s.found = window;
                return FALSE;
              },
              reinterpret_cast<LPARAM>(&search));
          return (main_ = search.found) != nullptr;
        },
        "the main window");
    PostMessageW(GetDlgItem(main_, main_ids::browseButton), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    PollUntil([&] { return (dialog = FindWindowW(L"#32770", kOpenDialogTitle)) != nullptr; },
              "the open dialog");
    SetDlgItemTextW(dialog, kFileNameField, clip.c_str());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PollUntil(
        [&] {
          wchar_t frames[32] = L"";
          GetWindowTextW(GetDlgItem(main_, main_ids::Label(6)), frames, 32);
          return std::wstring(frames) == L"100000";
        },
        "the panel");
  }
  Copy(const Copy&) = delete;
  Copy& operator=(const Copy&) = delete;
  ~Copy() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, kTimeoutMs) != WAIT_OBJECT_0)
      TerminateProcess(process_, 1);
    CloseHandle(process_);
  }

  // Opens the details window, times it until it is up and painted, closes it.
  double OpenDetails() const {
    const double start = Now();
    PostMessageW(main_, WM_COMMAND, main_ids::showDetailsCommand, 0);
    HWND details = nullptr;
    PollUntil([&] { return (details = Visible(kDetailsTitle)) != nullptr; }, "the details window");
    PollUntil([&] { return Answers(details) && Painted(details); }, "the details painted");
    const double ms = Now() - start;
    PostMessageW(details, WM_CLOSE, 0, 0);
    PollUntil([&] { return !IsWindow(details) && Answers(main_); }, "the details closed");
    Sleep(20);  // what closing leaves to Wine and the X server, before the next run
    return ms;
  }

 private:
  HANDLE process_ = nullptr;
  HWND main_ = nullptr;
};

}  // namespace

Figure MeasureDetails(const Plan& plan) {
  const fs::path folder = fs::temp_directory_path() / L"vintrel-bench-details";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path exe = folder / L"vintrel.exe";
  fs::copy_file(fs::path(_wpgmptr).parent_path() / L"vintrel_bench_program.exe", exe);
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  WriteFile(fs::path(windows) / L"vintrel.ini", std::string_view(kSettings));
  // Frames of changing sizes, a keyframe every 250, as in a cut-scene.
  BikSpec spec{"BIK", 'i', 100000, 800, 640, 480, 30000, 1001};
  spec.keyframeEvery = 250;
  spec.frameSizes = {40, 64, 22, 120, 48, 30, 52, 800, 36, 58, 44};
  const fs::path clip = folder / L"clip.bik";
  WriteFile(clip, BikBytes(spec));

  const Copy withGraph(exe, clip, true);
  const Copy withoutGraph(exe, clip, false);
  Figure figure{
      "details window with the graph, 100,000 frames", {}, {}, "the same without the graph", 1.1};
  // A run is short beside the machine's noise: four times the plan's runs.
  const int runs = 4 * plan.runs;
  for (int run = 0; run < plan.warmup + runs; ++run) {
    // Each goes first every other run, so that neither pays for the other.
    double graph = 0, bare = 0;
    if (run % 2 == 0)
      graph = withGraph.OpenDetails(), bare = withoutGraph.OpenDetails();
    else
      bare = withoutGraph.OpenDetails(), graph = withGraph.OpenDetails();
    if (run >= plan.warmup) {
      figure.program.ms.push_back(graph);
      figure.floor.ms.push_back(bare);
    }
    std::fprintf(stderr, "details  %2d: %7.1f ms, floor %7.1f ms\n", run, graph, bare);
  }
  return figure;
}

}  // namespace vintrel::bench
