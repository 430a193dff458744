// Puts the program into one scene for a README screenshot and holds it there
// until the screenshot script says it is done:
//   pose_scene.exe SCENE READY_FILE RELEASE_FILE
// SCENE: main, panel, settings, about, message. READY_FILE is written once
// the scene is up; the program is stopped when RELEASE_FILE appears.
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/main_window_ids.h"
#include "bik_maker.h"
#include "res/about_dialog_ids.h"
#include "driver.h"
#include "res/settings_dialog_ids.h"

using namespace vintrel;
using namespace vintrel::e2e;

namespace {

constexpr std::string_view kIni =
    "[main]\r\nre=1\r\npe=0\r\nce=1\r\nne=0\r\nje=1\r\nze=0\r\nke=0\r\nle=0\r\nse=0\r\n"
    "qe=0\r\nie=0\r\nwe=1\r\nge=0\r\nee=0\r\nde=11\r\nfe=30.0\r\n";

std::string SampleBik() {
  BikSpec spec;
  spec.frameCount = 1500;
  spec.maxFrameSize = 68210;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 100000;
  spec.fpsDenominator = 3337;
  spec.tracks = {{44100, static_cast<uint16_t>(kBikStereo | kBikSixteenBit), 0}};
  const auto bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

// The top-level window of the process that holds a control with this id.
HWND WaitForWindowHolding(DWORD pid, int id) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND top : TopLevelWindows(pid)) {
      if (FindControl(top, id))
        found = top;
    }
    return found != nullptr;
  });
  if (!found)
    throw Failure("the window of the scene did not appear");
  return found;
}

void Browse(App& app, HWND main, const std::filesystem::path& file) {
  Click(Control(main, main_ids::cmdAddFile));
  HWND dialog = WaitForOpenDialog(app.Pid(), L"Откроем файл для просмотра...");
  ChooseFile(dialog, file.wstring());
}

void Pose(const std::wstring& scene, App& app, HWND main, const TestFolder& folder) {
  if (scene == L"panel") {
    const auto file = folder.AddFile(L"Ролики\\intro.bik", SampleBik());
    Browse(app, main, file);
    WaitUntil([&] { return !Text(Control(main, main_ids::Label(13))).empty(); });
  } else if (scene == L"settings") {
    Click(Control(main, main_ids::Command2));
    WaitForWindowHolding(app.Pid(), settings_ids::pe);
  } else if (scene == L"about") {
    Click(Control(main, main_ids::Command4));
    WaitForWindowHolding(app.Pid(), about_ids::Command1);
  } else if (scene == L"message") {
    const auto file = folder.AddFile(L"readme.txt", "Not a video at all.\r\n");
    Browse(app, main, file);
    WaitForMessageBox(app.Pid());
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fputs("usage: pose_scene SCENE READY_FILE RELEASE_FILE\n", stderr);
    return 2;
  }
  const std::wstring scene = argv[1];
  try {
    WriteIniBytes(kIni);
    TestFolder folder(L"screenshots." + scene);
    App app = App::Start(folder.Exe());
    HWND main = app.WaitForMainWindow();
    Pose(scene, app, main, folder);
    WriteBytes(argv[2], "ready");
    WaitUntil([&] { return GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES; },
              Millis(120000));
    app.Kill();
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "pose_scene: %s\n", error.what());
    return 1;
  }
}
