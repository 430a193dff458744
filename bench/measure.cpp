#include "measure.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bik_maker.h"
#include "res/main_window_ids.h"

namespace vintrel::bench {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeoutMs = 15000;
constexpr wchar_t kOpenDialogTitle[] = L"Откроем файл для просмотра...";
constexpr int kFileNameField = 0x47C;  // cmb13 of the explorer-style open dialog

// Every key valid, so that start-up neither fails nor rewrites the file: the
// steady state of a program that has run before.
constexpr char kSettings[] =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\nfe=auto\r\n";

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double Ms() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

// Finer than a test's polling step: the figures are milliseconds.
void PollUntil(const std::function<bool()>& done, const char* what) {
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  while (!done()) {
    if (GetTickCount64() > deadline)
      throw std::runtime_error(std::string("timed out waiting for ") + what);
    Sleep(1);
  }
}

// Answered only once the window's thread pumps messages, that is when the
// program has finished what it was doing and waits for input.
bool Answers(HWND window, UINT message, DWORD_PTR& result) {
  return SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, kTimeoutMs, &result) != 0;
}

// A started program: its process, and its first visible top-level window.
class Program {
 public:
  explicit Program(const fs::path& exe, std::wstring commandLine = {}) {
    if (commandLine.empty())
      commandLine = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        exe.parent_path().c_str(), &startup, &info))
      throw std::runtime_error("cannot start " + exe.string());
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() {
    if (window_)
      PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, kTimeoutMs) != WAIT_OBJECT_0)
      TerminateProcess(process_, 1);
    CloseHandle(process_);
  }

  HANDLE Process() const { return process_; }

  HWND Window() {
    if (!window_)
      EnumWindows(&Program::TakeVisibleWindow, reinterpret_cast<LPARAM>(this));
    return window_;
  }

 private:
  static BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM data) {
    auto& self = *reinterpret_cast<Program*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != self.pid_ || !IsWindowVisible(window))
      return TRUE;
    self.window_ = window;
    return FALSE;
  }

  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND window_ = nullptr;
};

std::wstring Text(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

// A fresh program folder: vintrel.exe with the stand-in player beside it. The
// program is the shipped one, or the build of it with marks between its
// start-up phases, under the same name.
struct Folder {
  fs::path path;
  explicit Folder(const wchar_t* name, const wchar_t* program = L"vintrel.exe")
      : path(fs::temp_directory_path() / name) {
    const fs::path bin = fs::path(_wpgmptr).parent_path();
    fs::remove_all(path);
    fs::create_directories(path);
    fs::copy_file(bin / program, path / L"vintrel.exe");
    fs::copy_file(bin / L"recorder.exe", path / L"vintrel.dll");
    for (const wchar_t* floor : {L"bench_floor_window.exe", L"bench_floor_themed.exe"})
      fs::copy_file(bin / floor, path / floor);
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    WriteFile(fs::path(windows) / L"vintrel.ini", std::string_view(kSettings));
  }
  fs::path PlayerLog() const { return path / L"calls.log"; }
};

// Until the program's window answers, which for vintrel.exe also needs the
// status line that its load step writes.
void WaitUntilAnswering(Program& program, bool withStatusLine) {
  WaitForInputIdle(program.Process(), kTimeoutMs);
  PollUntil(
      [&] {
        HWND window = program.Window();
        if (window && withStatusLine)
          window = GetDlgItem(window, main_ids::Status);
        DWORD_PTR length = 0;
        return window && Answers(window, withStatusLine ? SB_GETTEXTLENGTHW : WM_NULL, length) &&
               (!withStatusLine || LOWORD(length) > 0);
      },
      "the window");
}

double StartUntilIdle(const fs::path& exe, bool withStatusLine) {
  const Stopwatch clock;
  Program program(exe);
  WaitUntilAnswering(program, withStatusLine);
  return clock.Ms();
}

bool Exists(const fs::path& file) {
  return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for the player's record (its command line, UTF-16, one line) and
// returns it, then removes it for the next run (the player may still hold it
// for a moment).
std::wstring TakeRecord(const Folder& folder) {
  std::wstring line;
  PollUntil(
      [&] {
        FILE* log = _wfopen(folder.PlayerLog().c_str(), L"rb");
        if (!log)
          return false;
        wchar_t buffer[2048];
        line.assign(buffer, fread(buffer, sizeof(wchar_t), std::size(buffer), log));
        fclose(log);
        return !line.empty() && line.back() == L'\n';
      },
      "a whole record");
  PollUntil([&] { return DeleteFileW(folder.PlayerLog().c_str()) != 0; }, "the player's log");
  DeleteFileW((folder.path / L"folders.log").c_str());
  Sleep(50);  // let the player end before the next run starts another
  line.pop_back();
  return line;
}

}  // namespace

Figure MeasureStartup(const Plan& plan) {
  const Folder folder(L"vintrel-bench-startup");
  Figure figure{"start-up", {}, {}, "one empty window", 1.3};
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    const double program = StartUntilIdle(folder.path / L"vintrel.exe", true);
    const double bare = StartUntilIdle(folder.path / L"bench_floor_window.exe", false);
    if (run >= plan.warmup) {
      figure.program.ms.push_back(program);
      figure.floor.ms.push_back(bare);
    }
    std::fprintf(stderr, "start-up %2d: %7.1f ms, floor %7.1f ms\n", run, program, bare);
  }
  return figure;
}

namespace {

// The marks a program leaves at exit (win/start_phases.h), in the order of
// start-up; the floor leaves only some of them.
constexpr const char* kMarks[] = {"main", "controls", "icons", "window", "painted", "load"};
constexpr const char* kPhases[] = {
    "process start, until wWinMain", "common controls",
    "the program's icons",           "main window and its controls",
    "showing it: the first paint",   "settings file, the rest of the load step",
    "until its window answers"};
constexpr size_t kPhaseCount = std::size(kPhases);

// One start of `exe`, split at its marks; a phase it has no mark for takes no time.
std::vector<double> PhaseTimes(const fs::path& exe, const fs::path& log, bool withStatusLine) {
  DeleteFileW(log.c_str());
  LONGLONG at[kPhaseCount + 1] = {};
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  at[0] = now.QuadPart;
  {
    Program program(exe);
    WaitUntilAnswering(program, withStatusLine);
    QueryPerformanceCounter(&now);
    at[kPhaseCount] = now.QuadPart;
  }  // closed, and its marks written
  FILE* marks = nullptr;
  PollUntil([&] { return (marks = _wfopen(log.c_str(), L"r")) != nullptr; }, "the marks");
  char name[32];
  long long ticks = 0;
  while (std::fscanf(marks, "%31s %lld", name, &ticks) == 2) {
    for (size_t i = 0; i < std::size(kMarks); ++i)
      if (std::strcmp(name, kMarks[i]) == 0)
        at[i + 1] = ticks;
  }
  std::fclose(marks);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (size_t i = 1; i <= kPhaseCount; ++i) {
    if (at[i] == 0)
      at[i] = at[i - 1];
    times.push_back(1000.0 * static_cast<double>(at[i] - at[i - 1]) /
                    static_cast<double>(frequency.QuadPart));
  }
  times.push_back(1000.0 * static_cast<double>(at[kPhaseCount] - at[0]) /
                  static_cast<double>(frequency.QuadPart));
  return times;
}

}  // namespace

std::string MeasurePhases(const Plan& plan) {
  const Folder folder(L"vintrel-bench-phases", L"vintrel_bench_program.exe");
  const fs::path log = folder.path / L"phases.log";
  // Inherited by the programs: where their marks go at exit.
  SetEnvironmentVariableW(L"VINTREL_PHASE_LOG", log.c_str());
  std::vector<Series> program(kPhaseCount + 1), floor(kPhaseCount + 1), themed(kPhaseCount + 1);
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    const auto mine = PhaseTimes(folder.path / L"vintrel.exe", log, true);
    const auto bare = PhaseTimes(folder.path / L"bench_floor_window.exe", log, false);
    const auto dressed = PhaseTimes(folder.path / L"bench_floor_themed.exe", log, false);
    if (run < plan.warmup)
      continue;
    for (size_t i = 0; i <= kPhaseCount; ++i) {
      program[i].ms.push_back(mine[i]);
      floor[i].ms.push_back(bare[i]);
      themed[i].ms.push_back(dressed[i]);
    }
  }
  SetEnvironmentVariableW(L"VINTREL_PHASE_LOG", nullptr);

  // Medians of each phase, which need not add up to the median of the whole.
  std::string table =
      "| Start-up phase | vintrel.exe: median (min-max) | one empty window | the same with the "
      "program's manifest and common controls |\n|---|---|---|---|\n";
  for (size_t i = 0; i <= kPhaseCount; ++i)
    table += std::string("| ") + (i < kPhaseCount ? kPhases[i] : "whole start-up") + " | " +
             program[i].Summary() + " | " + floor[i].Summary() + " | " + themed[i].Summary() +
             " |\n";
  table.pop_back();
  return table;
}

Figure MeasurePlay(const Plan& plan) {
  const Folder folder(L"vintrel-bench-play");
  BikSpec spec;
  spec.frameCount = 1500;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 30;
  spec.fpsDenominator = 1;
  const fs::path clip = folder.path / L"clip.bik";
  WriteFile(clip, BikBytes(spec));

  // The file is chosen once through the open dialog, as a user would.
  Program program(folder.path / L"vintrel.exe");
  PollUntil([&] { return program.Window() != nullptr; }, "the main window");
  const HWND main = program.Window();
  PostMessageW(GetDlgItem(main, main_ids::browseButton), BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  PollUntil([&] { return (dialog = FindWindowW(L"#32770", kOpenDialogTitle)) != nullptr; },
            "the open dialog");
  SetDlgItemTextW(dialog, kFileNameField, clip.c_str());
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  PollUntil([&] { return Text(GetDlgItem(main, main_ids::Label(6))) == L"1500"; }, "the panel");

  // The floor starts the player with exactly the line the program built.
  const HWND play = GetDlgItem(main, main_ids::playButton);
  PostMessageW(play, BM_CLICK, 0, 0);
  const std::wstring commandLine = TakeRecord(folder);
  Figure figure{"play", {}, {}, "CreateProcessW of the player", 1.2};
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    Stopwatch clock;
    PostMessageW(play, BM_CLICK, 0, 0);
    PollUntil([&] { return Exists(folder.PlayerLog()); }, "the player started by the program");
    const double byProgram = clock.Ms();
    TakeRecord(folder);
    clock = Stopwatch();
    Program player(folder.path / L"vintrel.dll", commandLine);
    PollUntil([&] { return Exists(folder.PlayerLog()); }, "the player started directly");
    const double direct = clock.Ms();
    WaitForSingleObject(player.Process(), kTimeoutMs);
    TakeRecord(folder);
    if (run >= plan.warmup) {
      figure.program.ms.push_back(byProgram);
      figure.floor.ms.push_back(direct);
    }
    std::fprintf(stderr, "play     %2d: %7.1f ms, floor %7.1f ms\n", run, byProgram, direct);
  }
  return figure;
}

}  // namespace vintrel::bench
