#include "measure.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "res/main_window_ids.h"
#include "bench_ids.h"
#include "bik_maker.h"
#include "driver.h"

namespace vintrel::bench {
namespace {

namespace fs = std::filesystem;
using namespace vintrel::e2e;

constexpr DWORD kTimeoutMs = 15000;
constexpr wchar_t kOpenDialogTitle[] = L"Откроем файл для просмотра...";
constexpr int kFileNameField = 0x47C;  // cmb13 of the explorer-style open dialog

// Every key valid, so that start-up neither fails nor rewrites the file: the
// steady state of a program that has run before.
constexpr wchar_t kSettings[] =
    L"[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=0\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    L"qe=0\r\nie=0\r\nwe=0\r\nge=0\r\nee=0\r\nde=11\r\nfe=auto\r\n";

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

// Finer than the driver's polling step: the figures are milliseconds.
void PollUntil(const std::function<bool()>& done, const char* what) {
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  while (!done()) {
    if (GetTickCount64() > deadline)
      throw Failure(std::string("timed out waiting for ") + what);
    Sleep(1);
  }
}

// Answered only once the window's thread pumps messages, that is when the
// program has finished what it was doing and waits for input.
bool Answers(HWND window, UINT message, DWORD_PTR& result) {
  return SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, kTimeoutMs, &result) != 0;
}

void CloseAndWait(App& app, HWND window) {
  PostClose(window);
  if (!app.WaitForExit(Millis{kTimeoutMs}))
    app.Kill();
}

std::string Bytes(const BikSpec& spec) {
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

BikSpec Header(uint32_t frames, uint16_t sampleRate, size_t tracks) {
  BikSpec spec;
  spec.frameCount = frames;
  spec.maxFrameSize = 150000;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 30;
  spec.fpsDenominator = 1;
  spec.tracks.assign(tracks, {sampleRate, kBikStereo | kBikSixteenBit, 4096});
  return spec;
}

fs::path CopyBeside(const TestFolder& folder, const wchar_t* program) {
  const fs::path copy = folder.AppFolder() / program;
  fs::copy_file(ExeFolder() / program, copy, fs::copy_options::overwrite_existing);
  return copy;
}

// ---- start-up ----------------------------------------------------------------

double StartProgram(const fs::path& exe, std::wstring& status) {
  const Stopwatch clock;
  App app = App::Start(exe);
  WaitForInputIdle(app.Process(), kTimeoutMs);
  HWND main = nullptr;
  HWND bar = nullptr;
  PollUntil(
      [&] {
        main = app.FindMainWindow();
        bar = main ? FindControl(main, main_ids::Status) : nullptr;
        DWORD_PTR length = 0;
        return bar && Answers(bar, SB_GETTEXTLENGTHW, length) && LOWORD(length) > 0;
      },
      "the main window with its status line");
  const double ms = clock.Ms();
  status = StatusText(bar);
  CloseAndWait(app, main);
  return ms;
}

double StartFloor(const fs::path& exe) {
  const Stopwatch clock;
  App app = App::Start(exe);
  WaitForInputIdle(app.Process(), kTimeoutMs);
  HWND window = nullptr;
  PollUntil(
      [&] {
        const std::vector<HWND> windows = TopLevelWindows(app.Pid());
        window = windows.empty() ? nullptr : windows.front();
        DWORD_PTR ignored = 0;
        return window && Answers(window, WM_NULL, ignored);
      },
      "the floor's window");
  const double ms = clock.Ms();
  CloseAndWait(app, window);
  return ms;
}

// ---- play ----------------------------------------------------------------------

bool Exists(const fs::path& file) {
  return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for the player's record to be complete, then removes the log for the
// next run (the player may still hold it for a moment).
PlayerRecord TakeRecord(const TestFolder& folder) {
  const PlayerRecord record = folder.WaitForPlayerRecords(1, Millis{kTimeoutMs}).front();
  PollUntil([&] { return DeleteFileW(folder.PlayerLog().c_str()) != 0; }, "the player's log");
  Sleep(50);  // let the player end before the next run starts another
  return record;
}

double PlayFromProgram(const TestFolder& folder, HWND main) {
  const Stopwatch clock;
  Click(Control(main, main_ids::Command1));
  PollUntil([&] { return Exists(folder.PlayerLog()); }, "the player started by the program");
  return clock.Ms();
}

double PlayDirectly(const TestFolder& folder, const PlayerRecord& asTheProgramDid) {
  std::wstring commandLine = asTheProgramDid.commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const Stopwatch clock;
  if (!CreateProcessW(folder.Player().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, asTheProgramDid.workingFolder.c_str(), &startup, &info)) {
    throw Failure("cannot start the stand-in player");
  }
  PollUntil([&] { return Exists(folder.PlayerLog()); }, "the player started directly");
  const double ms = clock.Ms();
  WaitForSingleObject(info.hProcess, kTimeoutMs);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return ms;
}

// ---- browse --------------------------------------------------------------------

struct BrowseTimes {
  double fromConfirmation;  // what the user waits for
  double afterDialog;       // the program's own part, once the dialog is gone
};

// Opens the dialog with `button`, types the path, and times from the
// confirmation until `label` shows `expected`.
BrowseTimes ConfirmUntilShown(const App& app, HWND button, std::wstring_view title,
                              const fs::path& file, HWND label, const std::wstring& expected) {
  Click(button);
  const HWND dialog = WaitForOpenDialog(app.Pid(), title, Millis{kTimeoutMs});
  SetText(Control(dialog, kFileNameField), file.wstring());
  DWORD_PTR ignored = 0;
  Answers(dialog, WM_NULL, ignored);
  const Stopwatch clock;
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  PollUntil([&] { return !IsWindow(dialog); }, "the open dialog to close");
  const double closed = clock.Ms();
  PollUntil([&] { return Text(label) == expected; }, "the file's values");
  const double shown = clock.Ms();
  return {shown, shown - closed};
}

}  // namespace

Figure MeasureStartup(const Plan& plan) {
  const TestFolder folder(L"bench.startup");
  const fs::path floor = CopyBeside(folder, L"bench_floor_window.exe");
  WriteIniText(kSettings);
  Figure figure{"start-up", {}, {}, "one empty window", 1.5};
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    std::wstring status;
    const double program = StartProgram(folder.Exe(), status);
    if (status != L"0  ")
      throw Failure("start-up reported \"" + ToUtf8(status) + "\" instead of \"0  \"");
    const double bare = StartFloor(floor);
    if (run >= plan.warmup) {
      figure.program.ms.push_back(program);
      figure.floor.ms.push_back(bare);
    }
    std::fprintf(stderr, "start-up %2d: %7.1f ms, floor %7.1f ms\n", run, program, bare);
  }
  return figure;
}

Figure MeasurePlay(const Plan& plan) {
  const TestFolder folder(L"bench.play");
  const fs::path clip = folder.AddFile(L"clip.bik", Bytes(Header(1500, 22050, 1)));
  WriteIniText(kSettings);
  App app = App::Start(folder.Exe());
  const HWND main = app.WaitForMainWindow(Millis{kTimeoutMs});
  ConfirmUntilShown(app, Control(main, main_ids::cmdAddFile), kOpenDialogTitle, clip,
                    Control(main, main_ids::Label(6)), L"1500");

  // The floor starts the player with exactly the line the program built.
  PlayFromProgram(folder, main);
  const PlayerRecord record = TakeRecord(folder);

  Figure figure{"play", {}, {}, "CreateProcessW of the player", 2.0};
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    const double program = PlayFromProgram(folder, main);
    TakeRecord(folder);
    const double direct = PlayDirectly(folder, record);
    TakeRecord(folder);
    if (run >= plan.warmup) {
      figure.program.ms.push_back(program);
      figure.floor.ms.push_back(direct);
    }
    std::fprintf(stderr, "play     %2d: %7.1f ms, floor %7.1f ms\n", run, program, direct);
  }
  CloseAndWait(app, main);
  return figure;
}

std::vector<Figure> MeasureBrowse(const Plan& plan) {
  const TestFolder folder(L"bench.browse");
  const fs::path floorExe = CopyBeside(folder, L"bench_floor_browse.exe");
  WriteIniText(kSettings);

  App app = App::Start(folder.Exe());
  const HWND main = app.WaitForMainWindow(Millis{kTimeoutMs});
  App floor = App::Start(floorExe);
  HWND floorWindow = nullptr;
  PollUntil(
      [&] {
        const std::vector<HWND> windows = TopLevelWindows(floor.Pid());
        floorWindow = windows.empty() ? nullptr : windows.front();
        return floorWindow != nullptr;
      },
      "the browse floor's window");
  const HWND floorButton = Control(floorWindow, bench_ids::kFloorButton);
  const HWND floorLabel = Control(floorWindow, bench_ids::kFloorLabel);
  const HWND browse = Control(main, main_ids::cmdAddFile);
  // The sample rate is the last value the panel fills.
  const HWND sampleRate = Control(main, main_ids::Label(13));

  // Per track count: from the confirmation, and from the dialog's end.
  std::vector<Figure> figures{
      {"browse-to-panel, 1 track", {}, {}, "read + one label", {}},
      {"browse-to-panel, 200 tracks", {}, {}, "read + one label", {}},
      {"  of which after the dialog closed, 1 track", {}, {}, "read + one label", {}},
      {"  of which after the dialog closed, 200 tracks", {}, {}, "read + one label", {}}};
  const size_t trackCounts[] = {1, 200};
  for (int run = 0; run < plan.warmup + plan.runs; ++run) {
    for (size_t kind = 0; kind < 2; ++kind) {
      // Values of their own in every run, so a label cannot show them early.
      const uint32_t frames = 100000 * static_cast<uint32_t>(kind + 1) + run;
      const auto rate = static_cast<uint16_t>(8000 + 1000 * kind + run);
      const fs::path file =
          folder.AddFile(L"clip" + std::to_wstring(kind) + L"_" + std::to_wstring(run) + L".bik",
                         Bytes(Header(frames, rate, trackCounts[kind])));
      const BrowseTimes program =
          ConfirmUntilShown(app, browse, kOpenDialogTitle, file, sampleRate, std::to_wstring(rate));
      const BrowseTimes bare = ConfirmUntilShown(floor, floorButton, bench_ids::kFloorDialogTitle,
                                                 file, floorLabel, std::to_wstring(frames));
      if (run >= plan.warmup) {
        figures[kind].program.ms.push_back(program.fromConfirmation);
        figures[kind].floor.ms.push_back(bare.fromConfirmation);
        figures[kind + 2].program.ms.push_back(program.afterDialog);
        figures[kind + 2].floor.ms.push_back(bare.afterDialog);
      }
      std::fprintf(stderr,
                   "browse %3zu %2d: %7.1f ms (%5.1f after the dialog), floor %7.1f ms (%5.1f)\n",
                   trackCounts[kind], run, program.fromConfirmation, program.afterDialog,
                   bare.fromConfirmation, bare.afterDialog);
    }
  }
  CloseAndWait(app, main);
  CloseAndWait(floor, floorWindow);
  return figures;
}

}  // namespace vintrel::bench
