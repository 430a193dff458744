// Not a test: holds the program in one scene while scripts/screenshots.sh
// takes a README picture. Disabled, so that only that script runs it, setting VINTREL_SCENE
// (main, panel, details, damaged, settings, about, message, folder), VINTREL_READY (written once
// the scene is up) and VINTREL_RELEASE (the program stops when it appears).
#include <cstdlib>

#include "driver.h"
#include "res/details_window_ids.h"
#include "res/folder_window_ids.h"

namespace vintrel::e2e {

using Pose = E2e;

TEST_F(Pose, DISABLED_Scene) {
  const std::string scene = std::getenv("VINTREL_SCENE");
  Start();
  BikSpec two = Clip(1500, 68210, 1280, 720, 30000, 1001, 48000);
  two.signature = "KB2", two.version = 'j', two.extraField = true, two.frameBytes = 40;
  two.keyframeEvery = 250, two.tracks.push_back({48000, kBikSixteenBit, 2048, 1});
  // Where a user keeps them, not in the build's folders.
  const fs::path folder = L"C:\\Игры\\Ролики";
  fs::remove_all(folder), fs::create_directories(folder);
  const auto place = [&](const wchar_t* name, const std::string& bytes) {
    EXPECT_TRUE(WriteFile(folder / name, bytes));
    return folder / name;
  };
  if (scene == "panel")
    Browse(place(L"intro.bik", BikBytes(Clip(1500, 68210, 640, 480, 100000, 3337, 44100))));
  if (scene == "details" || scene == "damaged") {
    // A cut-scene's rhythm: a large keyframe every 250 frames, the others of
    // varying sizes, and a busy stretch in the middle.
    for (uint32_t i = 0; i < 1500; ++i)
      two.frameSizes.push_back(
          2 * (i % 250 == 0 ? 3000 : 300 + (i * 7919 % 400) + (i > 700 && i < 760 ? 900 : 0)));
    two.maxFrameSize = 6000;
    std::string bytes = BikBytes(two);
    if (scene == "damaged")
      bytes.resize(bytes.size() * 2 / 3);
    Browse(place(L"intro.bk2", bytes));
    PostMessageW(main_, WM_COMMAND, main_ids::showDetailsCommand, 0);
    WindowWith(pid_, details_ids::factsList);
  }
  if (scene == "settings")
    OpenSettings();
  if (scene == "about")
    Open(main_ids::aboutButton, about_ids::okButton);
  if (scene == "message")
    Browse(place(L"readme.txt", "Not a video at all.\r\n")), WaitBox(pid_);
  if (scene == "folder") {
    for (uint32_t i = 1; i <= 14; ++i)
      two.frameCount = 300 * i,
      WriteFile(folder / (L"сцена " + std::to_wstring(i) + L".bk2"), BikBytes(two));
    WriteFile(folder / L"титры.bk2", BikBytes(two).substr(0, 9000)),
        WriteFile(folder / L"readme.bik", "text");
    Drop({folder.wstring()});
    WaitUntil([&] {
      return IsWindowEnabled(
          Item(WindowWith(pid_, folder_ids::videoList), folder_ids::saveCsvButton));
    });
  }
  ASSERT_TRUE(WriteFile(_wgetenv(L"VINTREL_READY"), "ready"));
  WaitUntil([] { return fs::exists(_wgetenv(L"VINTREL_RELEASE")); }, 120000);
}

}  // namespace vintrel::e2e
