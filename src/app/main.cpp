// Start-up: common controls, then the main window and its load.
#include <windows.h>

#include <commctrl.h>

#include <new>

#include "app/command_line.h"
#include "app/main_window.h"
#include "common/app_error.h"
#include "dialogs/message_box.h"
#include "ui/message_loop.h"
#include "win/start_phases.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

// Last line of defence at a window procedure: whatever escaped a handler is
// shown, with its number where it has one, and the program goes on.
void ReportUnexpectedException() {
  try {
    throw;
  } catch (const AppError& error) {
    ShowMessage(LoadErrorText(error), kErrorTitle);
  } catch (const std::bad_alloc&) {
    ShowMessage(LoadErrorText(errors::OutOfMemory()), kErrorTitle);
  } catch (...) {
    ShowMessage(LoadErrorText(errors::Internal()), kErrorTitle);
  }
}

void InitCommonControls() {
  // A missing or failing common-controls library is no reason not to start.
  try {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = 8;
    init.dwICC = ICC_USEREX_CLASSES;
    ::InitCommonControlsEx(&init);
    // The status bar and the tooltips need their own classes on systems
    // whose common controls do not register everything at load.
    INITCOMMONCONTROLSEX bars{sizeof(bars), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&bars);
  } catch (...) {
  }
}

int Run(const ui::ProgramIcons& icons) {
  MainWindow window(icons);
  if (!window.Create())
    return 1;
  VINTREL_START_PHASE("window");
  // The load runs outside any window procedure, so what escapes its own trap
  // is caught here; the window stays for the user, unless a file on the
  // command line was being played.
  const std::wstring arguments = ArgumentsPart(::GetCommandLineW());
  try {
    const bool ended = window.Load(arguments);
    VINTREL_START_PHASE("load");
    if (ended)
      return 0;
  } catch (...) {
    ReportUnexpectedException();
    if (FileFromArguments(arguments))
      return 1;
  }
  return ui::RunMessageLoop();
}

int Main() {
  InitCommonControls();
  VINTREL_START_PHASE("controls");
  const ui::ProgramIcons icons = ui::LoadProgramIcons();
  VINTREL_START_PHASE("icons");
  ui::SetExceptionReporter(&ReportUnexpectedException);
  try {
    return Run(icons);
  } catch (...) {
    ReportUnexpectedException();
    return 1;
  }
}

}  // namespace
}  // namespace vintrel

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  VINTREL_START_PHASE("main");
  // The MinGW build's stack guard did this already, before any constructor;
  // a build with the compiler's own guard does it here.
  vintrel::win::RestrictLibrarySearchToSystem();
  // Nothing ends the program in silence.
  try {
    return vintrel::Main();
  } catch (...) {
    vintrel::ReportUnexpectedException();
    return 1;
  }
}
