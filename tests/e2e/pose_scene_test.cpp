// Not a test: holds the program in one scene while scripts/screenshots.sh
// takes a README picture. Disabled, so that only that script runs it, setting VINTREL_SCENE
// (main, panel, details, settings, about, message), VINTREL_READY (written once the
// scene is up) and VINTREL_RELEASE (the program stops when it appears).
#include <cstdlib>

#include "driver.h"

namespace vintrel::e2e {

using Pose = E2e;

TEST_F(Pose, DISABLED_Scene) {
  const std::string scene = std::getenv("VINTREL_SCENE");
  Start();
  BikSpec two = Clip(1500, 68210, 1280, 720, 30000, 1001, 48000);
  two.signature = "KB2", two.version = 'j', two.extraField = true, two.frameBytes = 40;
  two.keyframeEvery = 250, two.tracks.push_back({48000, kBikSixteenBit, 2048, 1});
  if (scene == "panel" || scene == "details")
    Browse(AddBik(L"Ролики\\intro.bk2", two));
  if (scene == "details")
    PostMessageW(main_, WM_COMMAND, main_ids::showDetailsCommand, 0),
        WindowWith(pid_, details_ids::factsList);
  if (scene == "settings")
    OpenSettings();
  if (scene == "about")
    Open(main_ids::aboutButton, about_ids::okButton);
  if (scene == "message")
    Browse(Add(L"readme.txt", "Not a video at all.\r\n")), WaitBox(pid_);
  ASSERT_TRUE(WriteFile(_wgetenv(L"VINTREL_READY"), "ready"));
  WaitUntil([] { return fs::exists(_wgetenv(L"VINTREL_RELEASE")); }, 120000);
}

}  // namespace vintrel::e2e
